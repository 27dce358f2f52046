#include "launcher/dock/DockGeometry.h"

namespace zep {

ForegroundOffsets ForegroundOffsetsFor(DockEdge edge) noexcept
{
    if (IsVertical(edge))
        return ForegroundOffsets{0, kForegroundInset, 0, -kForegroundShrink};
    return ForegroundOffsets{kForegroundInset, 0, -kForegroundShrink, 0};
}

CoordinatePair ToDockDialogPoint(DockEdge edge, CoordinatePair backgroundPoint) noexcept
{
    if (IsVertical(edge))
        return CoordinatePair{backgroundPoint.x, backgroundPoint.y - kForegroundInset};
    return CoordinatePair{backgroundPoint.x - kForegroundInset, backgroundPoint.y};
}

WorkArea MirrorDestination(DockEdge edge, int width, int height) noexcept
{
    // The dock dialog's far end lies 225 pixels before the bar's end (a 1040-pixel bar: 215 + 600 = 815).
    constexpr int kFarEnd = 225;
    if (IsVertical(edge))
        return WorkArea{0, kForegroundInset, width, height - kFarEnd};
    return WorkArea{kForegroundInset, 0, width - kFarEnd, height};
}

}  // namespace zep
