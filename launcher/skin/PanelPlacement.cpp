#include "launcher/skin/PanelPlacement.h"

namespace zep {
namespace {

constexpr int kGap = 10;

}  // namespace

PanelPlaces PlacePanel(DockEdge edge, const PanelRect& bar, DockButton button, int whiteLineWidth,
                       int whiteLineHeight, int screenWidth, int screenHeight, DisplayScale scale) noexcept
{
    const int panelWidth = scale.Px(PanelWidthFor(button));
    const int panelHeight = scale.Px(kPanelHeight);
    const int gap = scale.Px(kGap);
    // The line's thickness is the short side of its picture: 17 pixels.
    const int lineThickness = IsVertical(edge) ? whiteLineWidth : whiteLineHeight;
    const int lineToBar = gap + lineThickness;         // 27 at 96 DPI
    const int panelToBar = lineToBar + gap;            // 37 at 96 DPI
    switch (edge) {
    case DockEdge::Right:
        return {{bar.left - lineToBar, (screenHeight - whiteLineHeight) / 2},
                {bar.left - panelToBar - panelWidth, (screenHeight - panelHeight) / 2}};
    case DockEdge::Left:
        return {{bar.right + gap, (screenHeight - whiteLineHeight) / 2},
                {bar.right + panelToBar, (screenHeight - panelHeight) / 2}};
    case DockEdge::Top:
        return {{(screenWidth - whiteLineWidth) / 2, bar.bottom + gap},
                {(screenWidth - panelWidth) / 2, bar.bottom + panelToBar}};
    case DockEdge::Bottom:
        break;
    }
    return {{(screenWidth - whiteLineWidth) / 2, bar.top - lineToBar},
            {(screenWidth - panelWidth) / 2, bar.top - panelToBar - panelHeight}};
}

}  // namespace zep
