#pragma once

// Where the description panel and its white line go beside the bar. Pure logic: no Windows headers.

#include "launcher/config/CoordinatePair.h"
#include "launcher/skin/PanelContent.h"

namespace zep {

struct PanelPlaces {
    CoordinatePair whiteLine;  // top-left corners, screen pixels
    CoordinatePair panel;
};

// The places for the panel of dock button `controlId` beside the bar rectangle `bar` (screen pixels) on
// `edge`, with a 10-pixel gap between bar and white line and between white line and panel, both
// centred along the edge of a `screenWidth` x `screenHeight` screen. `whiteLineWidth` and
// `whiteLineHeight` are those of the white line's picture. False (and *places untouched) for an edge
// outside 0 to 3.
bool PlacePanel(int edge, const PanelRect& bar, int controlId, int whiteLineWidth, int whiteLineHeight,
                int screenWidth, int screenHeight, PanelPlaces* places) noexcept;

// The panel's width for dock button `controlId`: the combined button's card is twice as wide.
constexpr int PanelWidthFor(int controlId) { return controlId == kCombinedButton ? kWidePanelWidth : kPanelWidth; }

}  // namespace zep
