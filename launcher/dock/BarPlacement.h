#pragma once

// Screen positions of the bar's background window. Pure logic: no Windows headers.

#include "launcher/config/CoordinatePair.h"

namespace zep {

// The work area of the primary screen, or any other bounds (right and bottom exclusive, as a RECT).
struct WorkArea {
    int left;
    int top;
    int right;
    int bottom;
};

// The bar against the `edge` side of `bounds`, with `inside` of its 133 pixels across inside them, centred
// along the screen edge of a screen of `screenWidth` x `screenHeight`. False (and *position untouched) for
// an edge outside 0 to 3.
bool BarPositionAgainstEdge(int edge, const WorkArea& bounds, int inside, int screenWidth, int screenHeight,
                            CoordinatePair* position) noexcept;

// Where the bar waits while hidden: just beyond the dock edge of a screen of `screenWidth` x
// `screenHeight`, centred along it. False (and *position untouched) for an edge outside 0 to 3.
bool ParkedBarPosition(int edge, int screenWidth, int screenHeight, CoordinatePair* position) noexcept;

// The edge the launcher works with for a stored value: 0 to 3 as stored, anything else the right edge
// (a value written by hand or by another program must not index the per-edge tables).
constexpr int UsableDockEdge(long stored)
{
    return stored >= 0 && stored <= 3 ? static_cast<int>(stored) : 0;
}

}  // namespace zep
