#pragma once

// The bar's shown position on each edge and the step rule of its slides. Pure logic: no Windows headers.
// Positions are those of the background window's top-left corner in screen pixels.

#include "launcher/config/CoordinatePair.h"
#include "launcher/dock/BarPlacement.h"

namespace zep {

// Where the bar stands when revealed on `edge`: 122 of its 133 pixels inside the work area, centred along
// the screen edge. False (and *position untouched) for an edge outside 0 to 3.
bool ShownBarPosition(int edge, const WorkArea& workArea, int screenWidth, int screenHeight,
                      CoordinatePair* position) noexcept;

// A slide code is the identifier of the timer that drives it: 10 x edge, plus 0 to hide or 1 to reveal.
constexpr bool IsSlideCode(int code)
{
    return code >= 0 && code <= 31 && (code % 10 == 0 || code % 10 == 1);
}
constexpr bool IsRevealCode(int code) { return IsSlideCode(code) && code % 10 == 1; }
constexpr int SlideCode(int edge, bool reveal) { return edge * 10 + (reveal ? 1 : 0); }

// The outcome of one slide step.
struct SlideMove {
    CoordinatePair position;  // where the background window goes
    bool final;               // the target is reached: this was the slide's last placement
};

// One step of slide `code` from `current`: 10 pixels toward the target, or exactly onto it when no more
// than 20 pixels remain (also when the bar is already past it). The coordinate off the slide's axis stays.
// The hide targets of the right and bottom edges are `screenWidth` and `screenHeight` (the caller reads
// them afresh for each step); the reveal targets come from `workArea`. False for a code that is no slide.
bool SlideStep(int code, CoordinatePair current, const WorkArea& workArea, int screenWidth, int screenHeight,
               SlideMove* move) noexcept;

}  // namespace zep
