#include "launcher/skin/PanelPlacement.h"

namespace zep {
namespace {

constexpr int kGap = 10;

}  // namespace

bool PlacePanel(int edge, const PanelRect& bar, int controlId, int whiteLineWidth, int whiteLineHeight,
                int screenWidth, int screenHeight, PanelPlaces* places) noexcept
{
    const int panelWidth = PanelWidthFor(controlId);
    // The line's thickness is the short side of its picture: 17 pixels.
    const int lineThickness = edge == 0 || edge == 1 ? whiteLineWidth : whiteLineHeight;
    const int lineToBar = kGap + lineThickness;        // 27
    const int panelToBar = lineToBar + kGap;           // 37
    switch (edge) {
    case 0:
        places->whiteLine = {bar.left - lineToBar, (screenHeight - whiteLineHeight) / 2};
        places->panel = {bar.left - panelToBar - panelWidth, (screenHeight - kPanelHeight) / 2};
        return true;
    case 1:
        places->whiteLine = {bar.right + kGap, (screenHeight - whiteLineHeight) / 2};
        places->panel = {bar.right + panelToBar, (screenHeight - kPanelHeight) / 2};
        return true;
    case 2:
        places->whiteLine = {(screenWidth - whiteLineWidth) / 2, bar.bottom + kGap};
        places->panel = {(screenWidth - panelWidth) / 2, bar.bottom + panelToBar};
        return true;
    case 3:
        places->whiteLine = {(screenWidth - whiteLineWidth) / 2, bar.top - lineToBar};
        places->panel = {(screenWidth - panelWidth) / 2, bar.top - panelToBar - kPanelHeight};
        return true;
    default:
        return false;
    }
}

}  // namespace zep
