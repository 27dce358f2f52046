#pragma once

// The bar's shown position on each edge, the slides between the parked and the shown position, and their
// step rule. Pure logic: no Windows headers. Positions are those of the background window's top-left
// corner in screen pixels.

#include <optional>

#include "launcher/config/CoordinatePair.h"
#include "launcher/config/DockEdge.h"
#include "launcher/dock/BarPlacement.h"

namespace zep {

// Where the bar stands when revealed on `edge`: 122 of its 133 pixels inside the work area (at `scale`,
// S(122) of S(133)), centred along the screen edge.
CoordinatePair ShownBarPosition(DockEdge edge, const WorkArea& workArea, int screenWidth, int screenHeight,
                                DisplayScale scale = DisplayScale()) noexcept;

// A slide takes the bar from its parked to its shown position (reveal) or back (hide) on one edge.
struct Slide {
    DockEdge edge;
    bool reveal;
    friend bool operator==(const Slide& a, const Slide& b) { return a.edge == b.edge && a.reveal == b.reveal; }
    friend bool operator!=(const Slide& a, const Slide& b) { return !(a == b); }
};

constexpr Slide RevealSlide(DockEdge edge) { return Slide{edge, true}; }
constexpr Slide HideSlide(DockEdge edge) { return Slide{edge, false}; }

// The identifier of the 10 ms timer that drives a slide on the dock dialog: 10 x edge, plus 1 for a
// reveal. The identifier alone tells a tick which slide it serves.
constexpr unsigned SlideTimerId(Slide slide) { return 10u * static_cast<unsigned>(EdgeIndex(slide.edge)) + (slide.reveal ? 1u : 0u); }

// The slide a timer identifier drives; none for any other timer.
std::optional<Slide> SlideOfTimer(unsigned long long timerId) noexcept;

// The outcome of one slide step.
struct SlideMove {
    CoordinatePair position;  // where the background window goes
    bool final;               // the target is reached: this was the slide's last placement
};

// One step of `slide` from `current`: 10 pixels toward the target, or exactly onto it when no more than 20
// pixels remain (also when the bar is already past it). The coordinate off the slide's axis stays. The
// hide targets of the right and bottom edges are `screenWidth` and `screenHeight` (the caller reads them
// afresh for each step); the reveal targets come from `workArea`.
// At `scale` the distance left to the target is measured on the rounded grid: a bar S(d) away goes to
// S(d - 10), and one no more than S(20) away onto the target. A slide over the S(122) between parked and
// shown thus passes S(112), S(102) ... S(12) before the target: 12 steps at every scale, each about
// scale times 10 pixels long.
SlideMove SlideStep(Slide slide, CoordinatePair current, const WorkArea& workArea, int screenWidth,
                    int screenHeight, DisplayScale scale = DisplayScale()) noexcept;

}  // namespace zep
