#pragma once

// How a bar background is put together from the edge image sets: three group bands along the bar, each
// copied 1:1 from the same rectangle of the background that has that group's number of button sockets.
// Pure logic: no Windows headers.

#include <array>

#include "launcher/config/DisplayScale.h"
#include "launcher/config/DockEdge.h"

namespace zep {

constexpr int kBarBandCount = 3;
constexpr int kBackgroundVariants = 4;  // 0 to 3 sockets per band
constexpr int kBackgroundSlots = 16;    // four edges of four variants

struct BarBand {
    int x;
    int y;
    int width;
    int height;
    int group;  // 0 first (controls 1000 to 1002), 1 second (1003 to 1005), 2 third (1006 to 1010)
};

// The three bands of `edge` in drawing order (first, second, third group). At `scale` every band edge is
// rounded (S(415), S(621) along a vertical bar, S(419), S(625) along a horizontal one, S(133) across), so
// the bands still tile the S(133) x S(1040) bar.
std::array<BarBand, kBarBandCount> BarBandsOf(DockEdge edge, DisplayScale scale = DisplayScale()) noexcept;

// Index into the sixteen backgrounds of the background that a band with `sockets` sockets on `edge` is
// copied from (4 x edge + sockets); -1 for a count outside 0 to 3, so that a bad count can never reach into
// another edge's set or past the end.
int BarBackgroundIndex(DockEdge edge, int sockets) noexcept;

}  // namespace zep
