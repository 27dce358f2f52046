#include "launcher/dock/DockGeometry.h"

#include "launcher/skin/SkinCatalogue.h"

namespace zep {

ForegroundOffsets ForegroundOffsetsFor(DockEdge edge, DisplayScale scale) noexcept
{
    const int inset = scale.Px(kForegroundInset);
    const int shrink = scale.Px(kVerticalBarHeight) - DockDialogLength(scale);
    if (IsVertical(edge))
        return ForegroundOffsets{0, inset, 0, -shrink};
    return ForegroundOffsets{inset, 0, -shrink, 0};
}

CoordinatePair ToDockDialogPoint(DockEdge edge, CoordinatePair backgroundPoint, DisplayScale scale) noexcept
{
    const int inset = scale.Px(kForegroundInset);
    const CoordinatePair scaled{scale.Px(backgroundPoint.x), scale.Px(backgroundPoint.y)};
    if (IsVertical(edge))
        return CoordinatePair{scaled.x, scaled.y - inset};
    return CoordinatePair{scaled.x - inset, scaled.y};
}

WorkArea MirrorDestination(DockEdge edge, int width, int height, DisplayScale scale) noexcept
{
    // The dock dialog's far end lies 225 pixels before the bar's end (a 1040-pixel bar: 215 + 600 = 815).
    const int inset = scale.Px(kForegroundInset);
    const int farEnd = scale.Span(kForegroundEnd, kVerticalBarHeight);
    if (IsVertical(edge))
        return WorkArea{0, inset, width, height - farEnd};
    return WorkArea{inset, 0, width - farEnd, height};
}

}  // namespace zep
