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

}  // namespace zep
