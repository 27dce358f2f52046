#pragma once

// Screen positions of the bar's background window. Pure logic: no Windows headers.

#include "launcher/config/CoordinatePair.h"
#include "launcher/config/DisplayScale.h"
#include "launcher/config/DockEdge.h"

namespace zep {

// The work area of the primary screen, or any other bounds (right and bottom exclusive, as a RECT).
struct WorkArea {
    int left;
    int top;
    int right;
    int bottom;
    friend bool operator==(const WorkArea& a, const WorkArea& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

// The bar against the `edge` side of `bounds`, with `inside` (96-DPI pixels) of its 133 pixels across inside
// them, centred along the screen edge of a screen of `screenWidth` x `screenHeight` (divisions truncate
// toward zero, so a screen shorter than the bar gives a negative coordinate). At `scale` the bar is
// S(133) x S(1040) and S(inside) of it lies inside; the rest, S(133) - S(inside), lies beyond.
CoordinatePair BarPositionAgainstEdge(DockEdge edge, const WorkArea& bounds, int inside, int screenWidth,
                                      int screenHeight, DisplayScale scale = DisplayScale()) noexcept;

// Where the bar waits while hidden: just beyond the dock edge of a screen of `screenWidth` x
// `screenHeight`, centred along it.
CoordinatePair ParkedBarPosition(DockEdge edge, int screenWidth, int screenHeight,
                                 DisplayScale scale = DisplayScale()) noexcept;

}  // namespace zep
