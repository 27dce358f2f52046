#pragma once

// The timers of the dock dialog, all in one table so that no two share an identifier. The slide timers
// take 0, 1, 10, 11, 20, 21, 30 and 31 (SlideTimerId). Pure logic: no Windows headers.

namespace zep {

constexpr unsigned kCardCloseTimer = 40;      // IDT_PANEL_CLOSE: 2000 ms after the pointer left the card
constexpr unsigned kCorrectionTimer = 41;     // a shown bar moved away is put back after a pause
constexpr unsigned kWorkAreaTimer = 42;       // Windows XP reports a new work area late: read it again
constexpr unsigned kAssistantLookTimer = 43;  // the assistant's window, looked for until it appears

}  // namespace zep
