#pragma once

// The bar's 13 buttons and their control identifiers. Pure logic: no Windows headers.
//
// Tool slots 0 to 9 stand behind buttons 1000 to 1009; button 1010 stands for slots 8 and 9 together (it
// replaces both when both tools are present); 1011 opens the settings panel and 1012 hides the bar. The
// control identifiers are the buttons' names to the system and to other programs; the arithmetic between
// identifiers, slots and table indices lives here and nowhere else.

#include <optional>

namespace zep {

enum class DockButton : int {
    Tool0 = 1000,
    Tool1,
    Tool2,
    Tool3,
    Tool4,
    Tool5,
    Tool6,
    Tool7,
    Tool8,
    Tool9,
    Combined,  // slots 8 and 9 in one place
    Settings,
    Hide,
};

constexpr int kDockButtons = 13;
constexpr int kToolButtons = 10;  // one per tool slot
constexpr int kFirstDockButtonId = static_cast<int>(DockButton::Tool0);

constexpr int ControlId(DockButton button) { return static_cast<int>(button); }

// Index into per-button tables (0 to 12), in control identifier order.
constexpr int ButtonIndex(DockButton button) { return ControlId(button) - kFirstDockButtonId; }

// The button at table index `index` (0 to 12).
constexpr DockButton DockButtonAt(int index) { return static_cast<DockButton>(kFirstDockButtonId + index); }

// The button of tool slot `slot` (0 to 9).
constexpr DockButton ToolButton(int slot) { return DockButtonAt(slot); }

// The button a control identifier names; none outside 1000 to 1012.
constexpr std::optional<DockButton> ToDockButton(int controlId)
{
    if (controlId < kFirstDockButtonId || controlId >= kFirstDockButtonId + kDockButtons)
        return std::nullopt;
    return DockButtonAt(controlId - kFirstDockButtonId);
}

// Buttons 1000 to 1009: one tool slot each.
constexpr bool IsToolButton(DockButton button) { return ButtonIndex(button) < kToolButtons; }

// The slot of a tool button (0 to 9).
constexpr int SlotOf(DockButton button) { return ButtonIndex(button); }

// Buttons 1000 to 1010 have a card that describes their tools.
constexpr bool HasCard(DockButton button) { return ButtonIndex(button) <= ButtonIndex(DockButton::Combined); }

}  // namespace zep
