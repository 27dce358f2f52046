#include "launcher/skin/PanelPlacement.h"

namespace zep {
namespace {

constexpr int kGap = 10;

}  // namespace

PanelPlaces PlacePanel(DockEdge edge, const PanelRect& bar, DockButton button, int whiteLineWidth,
                       int whiteLineHeight, int screenWidth, int screenHeight) noexcept
{
    const int panelWidth = PanelWidthFor(button);
    // The line's thickness is the short side of its picture: 17 pixels.
    const int lineThickness = IsVertical(edge) ? whiteLineWidth : whiteLineHeight;
    const int lineToBar = kGap + lineThickness;        // 27
    const int panelToBar = lineToBar + kGap;           // 37
    switch (edge) {
    case DockEdge::Right:
        return {{bar.left - lineToBar, (screenHeight - whiteLineHeight) / 2},
                {bar.left - panelToBar - panelWidth, (screenHeight - kPanelHeight) / 2}};
    case DockEdge::Left:
        return {{bar.right + kGap, (screenHeight - whiteLineHeight) / 2},
                {bar.right + panelToBar, (screenHeight - kPanelHeight) / 2}};
    case DockEdge::Top:
        return {{(screenWidth - whiteLineWidth) / 2, bar.bottom + kGap},
                {(screenWidth - panelWidth) / 2, bar.bottom + panelToBar}};
    case DockEdge::Bottom:
        break;
    }
    return {{(screenWidth - whiteLineWidth) / 2, bar.top - lineToBar},
            {(screenWidth - panelWidth) / 2, bar.top - panelToBar - kPanelHeight}};
}

}  // namespace zep
