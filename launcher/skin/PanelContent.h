#pragma once

// What the description panel shows for each dock button: its card picture, its texts (string, place and
// colour) and, on the combined button's wide card, the two "OK" buttons. Pure logic: no Windows headers.

#include "launcher/config/DisplayScale.h"
#include "launcher/config/DockButton.h"
#include "launcher/config/DockEdge.h"

namespace zep {

constexpr int kPanelMaxTexts = 7;
constexpr int kPanelFirstTextId = 2000;  // text i is control 2000 + i
constexpr int kPanelButtonPicture = 305;
constexpr int kPanelHeight = 344;
constexpr int kPanelWidth = 225;
constexpr int kWidePanelWidth = 436;  // the combined button's card: two cards side by side
// The wide card's "OK" buttons, under the left (slot 9) and the right (slot 8) card.
constexpr int kPanelLeftButton = 2007;
constexpr int kPanelRightButton = 2008;
// The texts' font: its cell height in 96-DPI pixels.
constexpr int kPanelTextHeight = 15;

enum class PanelTextColour {
    LightCyan,  // headlines and subheadings
    White,
};

struct PanelRect {
    int left;
    int top;
    int right;
    int bottom;
};

struct PanelText {
    int stringId;
    PanelRect rect;  // panel client coordinates
    PanelTextColour colour;
};

struct PanelButton {
    int controlId;
    int x;
    int y;
    int afterText;  // created right after this text
};

struct PanelContent {
    int textCount;
    PanelText texts[kPanelMaxTexts];
    int buttonCount;
    PanelButton buttons[2];
};

// The content of the card of a dock button; none (no texts, no buttons) for a button without a card. At
// `scale` every text rectangle is rounded edge by edge and every button place is rounded.
PanelContent PanelContentFor(DockButton button, DisplayScale scale = DisplayScale()) noexcept;

// The card picture of a dock button (306 to 316 for 1000 to 1010).
constexpr int PanelPictureId(DockButton button) { return ControlId(button) - 694; }

// The white line picture: 317 (17 x 495) beside a vertical bar, 318 (495 x 17) beside a horizontal one.
constexpr int WhiteLinePictureId(DockEdge edge) { return IsVertical(edge) ? 317 : 318; }

}  // namespace zep
