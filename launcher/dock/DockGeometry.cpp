#include "launcher/dock/DockGeometry.h"

namespace zep {

bool ForegroundOffsetsForEdge(int edge, ForegroundOffsets* offsets) noexcept
{
    if (!IsDockEdge(edge))
        return false;
    if (IsVerticalEdge(edge))
        *offsets = ForegroundOffsets{0, kForegroundInset, 0, -kForegroundShrink};
    else
        *offsets = ForegroundOffsets{kForegroundInset, 0, -kForegroundShrink, 0};
    return true;
}

CoordinatePair ToDockDialogPoint(int edge, CoordinatePair backgroundPoint) noexcept
{
    if (IsVerticalEdge(edge))
        return CoordinatePair{backgroundPoint.x, backgroundPoint.y - kForegroundInset};
    return CoordinatePair{backgroundPoint.x - kForegroundInset, backgroundPoint.y};
}

bool MirrorDestination(int edge, int width, int height, WorkArea* rect) noexcept
{
    // The dock dialog's far end lies 225 pixels before the bar's end (a 1040-pixel bar: 215 + 600 = 815).
    constexpr int kFarEnd = 225;
    if (!IsDockEdge(edge))
        return false;
    if (IsVerticalEdge(edge))
        *rect = WorkArea{0, kForegroundInset, width, height - kFarEnd};
    else
        *rect = WorkArea{kForegroundInset, 0, width - kFarEnd, height};
    return true;
}

}  // namespace zep
