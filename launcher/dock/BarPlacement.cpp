#include "launcher/dock/BarPlacement.h"

#include "launcher/skin/SkinCatalogue.h"

namespace zep {

bool BarPositionAgainstEdge(int edge, const WorkArea& bounds, int inside, int screenWidth, int screenHeight,
                            CoordinatePair* position) noexcept
{
    const int outside = kVerticalBarWidth - inside;
    const int alongVertical = (screenHeight - kVerticalBarHeight) / 2;
    const int alongHorizontal = (screenWidth - kVerticalBarHeight) / 2;
    switch (edge) {
    case 0:
        *position = {bounds.right - inside, alongVertical};
        return true;
    case 1:
        *position = {bounds.left - outside, alongVertical};
        return true;
    case 2:
        *position = {alongHorizontal, bounds.top - outside};
        return true;
    case 3:
        *position = {alongHorizontal, bounds.bottom - inside};
        return true;
    default:
        return false;
    }
}

bool ParkedBarPosition(int edge, int screenWidth, int screenHeight, CoordinatePair* position) noexcept
{
    const WorkArea screen = {0, 0, screenWidth, screenHeight};
    return BarPositionAgainstEdge(edge, screen, 0, screenWidth, screenHeight, position);
}

}  // namespace zep
