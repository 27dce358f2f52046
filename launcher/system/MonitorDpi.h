#pragma once

#include <windows.h>

namespace zep {

// The DPI of the primary monitor, where the bar lives: its effective DPI where the system knows DPIs per
// monitor (Windows 8.1 and later), else the system DPI. Asked afresh at each call.
int PrimaryMonitorDpi();

// Keeps the dialog manager from resizing `dialog` and moving and re-fonting its controls at a DPI change
// (its own scaling of per-monitor v2 dialogs, Windows 10 1703 and later): the launcher lays its windows out
// again itself, from the skin's sizes at the new scale. Nothing on earlier versions.
void KeepDialogLayoutAtDpiChange(HWND dialog);

}  // namespace zep
