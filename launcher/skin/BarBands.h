#pragma once

// How a bar background is put together from the edge image sets: three group bands along the bar, each
// copied 1:1 from the same rectangle of the background that has that group's number of button sockets.
// Pure logic: no Windows headers.

namespace zep {

constexpr int kBarBandCount = 3;
constexpr int kBackgroundVariants = 4;  // 0 to 3 sockets per band
constexpr int kBackgroundSlots = 16;    // four edges of four variants

enum class BarOrientation { Vertical, Horizontal, None };

// Edges 0 and 1 (right, left) give a vertical bar, 2 and 3 (top, bottom) a horizontal one; any other
// value gives none.
BarOrientation BarOrientationOf(int edge);

struct BarBand {
    int x;
    int y;
    int width;
    int height;
    int group;  // 0 first (controls 1000 to 1002), 1 second (1003 to 1005), 2 third (1006 to 1010)
};

// The three bands of `edge` in drawing order (first, second, third group). False, and nothing written,
// for an edge outside 0 to 3.
bool GetBarBands(int edge, BarBand (&bands)[kBarBandCount]);

// Index into the sixteen backgrounds of the background that a band with `sockets` sockets on `edge` is
// copied from (4 x edge + sockets); -1 when the edge is outside 0 to 3 or the count outside 0 to 3, so
// that a bad count can never reach into another edge's set or past the end.
int BarBackgroundIndex(int edge, int sockets);

}  // namespace zep
