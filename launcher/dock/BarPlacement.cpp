#include "launcher/dock/BarPlacement.h"

#include "launcher/skin/SkinCatalogue.h"

namespace zep {

bool ParkedBarPosition(int edge, int screenWidth, int screenHeight, CoordinatePair* position) noexcept
{
    const int alongVertical = (screenHeight - kVerticalBarHeight) / 2;
    const int alongHorizontal = (screenWidth - kVerticalBarHeight) / 2;
    switch (edge) {
    case 0:
        *position = {screenWidth, alongVertical};
        return true;
    case 1:
        *position = {-kVerticalBarWidth, alongVertical};
        return true;
    case 2:
        *position = {alongHorizontal, -kVerticalBarWidth};
        return true;
    case 3:
        *position = {alongHorizontal, screenHeight};
        return true;
    default:
        return false;
    }
}

}  // namespace zep
