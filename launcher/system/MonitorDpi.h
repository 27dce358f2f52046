#pragma once

namespace zep {

// The DPI of the primary monitor, where the bar lives: its effective DPI where the system knows DPIs per
// monitor (Windows 8.1 and later), else the system DPI. Asked afresh at each call.
int PrimaryMonitorDpi();

}  // namespace zep
