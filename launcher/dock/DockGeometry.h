#pragma once

// How the dock dialog sits on the bar's background window for each dock edge.
// Pure logic: no Windows headers.

#include "launcher/config/CoordinatePair.h"
#include "launcher/config/DisplayScale.h"
#include "launcher/config/DockEdge.h"
#include "launcher/dock/BarPlacement.h"

namespace zep {

// The dock dialog covers 215 to 815 along the 1040-pixel bar (600 pixels); the stretches before and after
// it show the background alone. At a scale the dock dialog covers S(215) to S(815).
constexpr int kForegroundInset = 215;
constexpr int kForegroundEnd = 815;

// The foreground offsets of the dock dialog: its top-left against the background window's, and its size
// against the background window's.
struct ForegroundOffsets {
    int offsetX;
    int offsetY;
    int widthChange;
    int heightChange;
    friend bool operator==(const ForegroundOffsets& a, const ForegroundOffsets& b)
    {
        return a.offsetX == b.offsetX && a.offsetY == b.offsetY && a.widthChange == b.widthChange &&
               a.heightChange == b.heightChange;
    }
};

ForegroundOffsets ForegroundOffsetsFor(DockEdge edge, DisplayScale scale = DisplayScale()) noexcept;

// The dock dialog's length along the bar at `scale`: S(815) - S(215), 600 at 96 DPI.
constexpr int DockDialogLength(DisplayScale scale) { return scale.Span(kForegroundInset, kForegroundEnd); }

// A place of the position table (96-DPI background-window pixels) in dock-dialog pixels at `scale`: both
// coordinates rounded, then the rounded inset taken off the coordinate along the bar.
CoordinatePair ToDockDialogPoint(DockEdge edge, CoordinatePair backgroundPoint,
                                 DisplayScale scale = DisplayScale()) noexcept;

// Where the window manager mirrors the dock dialog into a background window of `width` x `height` on
// `edge`: the stretch the dock dialog covers, (0, 215, W, H - 225) on a vertical bar and (215, 0, W - 225,
// H) on a horizontal one, in the background window's coordinates; at `scale` from S(215) to
// S(1040) - S(815) before the end.
WorkArea MirrorDestination(DockEdge edge, int width, int height, DisplayScale scale = DisplayScale()) noexcept;

}  // namespace zep
