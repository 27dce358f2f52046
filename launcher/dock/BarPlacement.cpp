#include "launcher/dock/BarPlacement.h"

#include "launcher/skin/SkinCatalogue.h"

namespace zep {

CoordinatePair BarPositionAgainstEdge(DockEdge edge, const WorkArea& bounds, int inside, int screenWidth,
                                      int screenHeight) noexcept
{
    const int outside = kVerticalBarWidth - inside;
    const int alongVertical = (screenHeight - kVerticalBarHeight) / 2;
    const int alongHorizontal = (screenWidth - kVerticalBarHeight) / 2;
    switch (edge) {
    case DockEdge::Right:
        return {bounds.right - inside, alongVertical};
    case DockEdge::Left:
        return {bounds.left - outside, alongVertical};
    case DockEdge::Top:
        return {alongHorizontal, bounds.top - outside};
    case DockEdge::Bottom:
        break;
    }
    return {alongHorizontal, bounds.bottom - inside};
}

CoordinatePair ParkedBarPosition(DockEdge edge, int screenWidth, int screenHeight) noexcept
{
    const WorkArea screen = {0, 0, screenWidth, screenHeight};
    return BarPositionAgainstEdge(edge, screen, 0, screenWidth, screenHeight);
}

}  // namespace zep
