#pragma once

// Where the description panel and its white line go beside the bar. Pure logic: no Windows headers.

#include "launcher/config/CoordinatePair.h"
#include "launcher/config/DisplayScale.h"
#include "launcher/config/DockButton.h"
#include "launcher/config/DockEdge.h"
#include "launcher/skin/PanelContent.h"

namespace zep {

struct PanelPlaces {
    CoordinatePair whiteLine;  // top-left corners, screen pixels
    CoordinatePair panel;
};

// The places for the card of `button` beside the bar rectangle `bar` (screen pixels) on `edge`, with a
// 10-pixel gap between bar and white line and between white line and panel, both centred along the edge of
// a `screenWidth` x `screenHeight` screen. `whiteLineWidth` and `whiteLineHeight` are those of the white
// line's picture. At `scale` the gaps are S(10) and the card S(225) (S(436)) x S(344), its picture's size.
PanelPlaces PlacePanel(DockEdge edge, const PanelRect& bar, DockButton button, int whiteLineWidth,
                       int whiteLineHeight, int screenWidth, int screenHeight,
                       DisplayScale scale = DisplayScale()) noexcept;

// The card's width: the combined button's card is twice as wide.
constexpr int PanelWidthFor(DockButton button) { return button == DockButton::Combined ? kWidePanelWidth : kPanelWidth; }

}  // namespace zep
