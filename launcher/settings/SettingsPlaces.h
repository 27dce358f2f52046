#pragma once

// Where the settings panel and its five buttons go at a display scale. Pure logic: no Windows headers.

#include "launcher/config/CoordinatePair.h"
#include "launcher/config/DisplayScale.h"

namespace zep {

// The panel's skin at 100 %, 420 x 175 pixels; at a scale S(420) x S(175), its picture's size.
constexpr int kSettingsPanelWidth = 420;
constexpr int kSettingsPanelHeight = 175;

// The panel's top-left in the middle of a `screenWidth` x `screenHeight` screen at `scale` (divisions
// truncate toward zero).
CoordinatePair CentredSettingsPanel(int screenWidth, int screenHeight, DisplayScale scale) noexcept;

// A button's place on the panel at `scale`, from its place in LaunchInfo.ini, which holds 96-DPI pixels
// at every scale: both coordinates rounded as edges, so a button meets the panel's tray where it was drawn.
CoordinatePair ScaledSettingButton(CoordinatePair configured, DisplayScale scale) noexcept;

}  // namespace zep
