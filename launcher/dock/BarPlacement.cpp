#include "launcher/dock/BarPlacement.h"

#include "launcher/skin/SkinCatalogue.h"

namespace zep {

CoordinatePair BarPositionAgainstEdge(DockEdge edge, const WorkArea& bounds, int inside, int screenWidth,
                                      int screenHeight, DisplayScale scale) noexcept
{
    const int thickness = scale.Px(kVerticalBarWidth);
    const int length = scale.Px(kVerticalBarHeight);
    const int insideThickness = scale.Px(inside);
    const int outside = thickness - insideThickness;
    const int alongVertical = (screenHeight - length) / 2;
    const int alongHorizontal = (screenWidth - length) / 2;
    switch (edge) {
    case DockEdge::Right:
        return {bounds.right - insideThickness, alongVertical};
    case DockEdge::Left:
        return {bounds.left - outside, alongVertical};
    case DockEdge::Top:
        return {alongHorizontal, bounds.top - outside};
    case DockEdge::Bottom:
        break;
    }
    return {alongHorizontal, bounds.bottom - insideThickness};
}

CoordinatePair ParkedBarPosition(DockEdge edge, int screenWidth, int screenHeight, DisplayScale scale) noexcept
{
    const WorkArea screen = {0, 0, screenWidth, screenHeight};
    return BarPositionAgainstEdge(edge, screen, 0, screenWidth, screenHeight, scale);
}

}  // namespace zep
