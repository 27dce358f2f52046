#pragma once

// The names the dock buttons carry for screen readers. Pure logic: no Windows headers.
//
// An owner-drawn button draws no text, so its window text serves as its name alone: accessibility clients
// read a button's name from it.

#include <string>

#include "launcher/config/ConfigLimits.h"
#include "launcher/config/DockButton.h"

namespace zep {

// The name of `button`: the tool its card shows (the slot's name in LaunchInfo.ini, `toolNames`), both
// tools of the combined button's wide card in the card's order (slot 9 on the left, then slot 8), and for
// the settings and hide buttons what they do.
std::wstring AccessibleButtonName(DockButton button, const wchar_t* const (&toolNames)[kToolSlots]);

}  // namespace zep
