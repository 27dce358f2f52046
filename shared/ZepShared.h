#pragma once

// Names and numbers shared by the launcher and the 64-bit assistant: private window messages, window
// classes and titles, named kernel objects. Both programs include this header; nothing here may change
// without changing both.

#define ZEP_WM_USER_BASE 0x0400

// Private window messages (WM_USER + n).
#define WM_SETTING_CLOSE (ZEP_WM_USER_BASE + 1000)         // 2024: settings dialog closes
#define WM_BUTTON_HOVER (ZEP_WM_USER_BASE + 1001)          // 2025: wParam control id, lParam 0 over / 1 away
#define WM_DIRECTION_CHANGE (ZEP_WM_USER_BASE + 1002)      // 2026: lParam new dock edge
#define WM_DES_COMMAND (ZEP_WM_USER_BASE + 1003)           // 2027: wParam 2007 or 2008
#define WM_SHELL_NOTIFY (ZEP_WM_USER_BASE + 1004)          // 2028: a top-level window event happened
#define WM_REGISTRY_CHANGED (ZEP_WM_USER_BASE + 1005)      // 2029: the machine key changed
#define WM_INSTALLSHELLHOOK64 (ZEP_WM_USER_BASE + 1006)    // 2030: assistant, install the 64-bit shell hook
#define WM_UNINSTALLSHELLHOOK64 (ZEP_WM_USER_BASE + 1007)  // 2031: assistant, remove it
#define WM_KEYBOARD_EVENT (ZEP_WM_USER_BASE + 2000)        // 3024: wParam key flags, lParam scan code
// Diagnostics for soak runs: the dock dialog answers with the number of resources of kind wParam
// (framework ResourceCounter kinds) its process holds; Wine's own GDI/USER counters are stubs.
#define WM_QUERY_RESOURCES (ZEP_WM_USER_BASE + 2001)       // 3025
// Diagnostics for the benchmarks: the launcher's own timings (TimingProbe::Query: wParam the work, lParam
// what to tell).
#define WM_QUERY_TIMING (ZEP_WM_USER_BASE + 2002)          // 3026

// Windows of the launcher.
#define ZEP_BAR_WINDOW_TITLE L"Zephra"
#define ZEP_DOCK_WINDOW_TITLE L"Zephra Foreground"

// Hidden windows of the assistants.
#define ZEP_ASSISTANT_CLASS L"ZephraClass"
#define ZEP_ASSISTANT64_TITLE L"ZepAssistant64"
#define ZEP_ASSISTANT32_TITLE L"ZepAssistant"
#define ZEP_ASSISTANT64_EXE L"ZepAssistant64.exe"

// Named kernel objects.
#define ZEP_INSTANCE_MUTEX L"Zephra is running"
#define ZEP_SHELL_NOTIFY_EVENT L"ZepShellNotifyEvent"
#define ZEP_CLOSE_EVENT L"ZepCloseEvent"

// Shell-hook libraries.
#define ZEP_HOOK64_DLL L"ZepHook64.dll"
