#pragma once

// Which top-level window shows that a companion tool runs, and which dock buttons it marks.
// Pure logic: no Windows headers.

#include "launcher/config/DockButton.h"

namespace zep {

constexpr int kRunningToolRows = 9;
constexpr int kRunningMarks = 11;  // buttons 1000 to 1010; 1011 and 1012 are never marked

struct RunningToolRow {
    const wchar_t* windowClass;
    const wchar_t* title;
    const wchar_t* alternativeClass;  // searched with any title when the class and title are not found
    int buttonCount;                  // 1 or 2
    DockButton buttons[2];
};

// The companion tools' main windows (classes and titles as the tools create them), searched in this order.
extern const RunningToolRow kRunningToolTable[kRunningToolRows];

struct RunningMark {
    DockButton button;
    bool running;
};

// The running flag of every marked button for the rows found, in the order they are written: the rows'
// buttons in table order, then 1010 last of all (from row 8's result).
void RunningMarksFor(const bool (&found)[kRunningToolRows], RunningMark (&marks)[kRunningMarks]) noexcept;

}  // namespace zep
