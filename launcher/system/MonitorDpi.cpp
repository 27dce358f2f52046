#include "launcher/system/MonitorDpi.h"

#include <windows.h>

namespace zep {
namespace {

// GetDpiForMonitor's MDT_EFFECTIVE_DPI: the DPI the user's scale setting asks for on that monitor.
constexpr int kEffectiveDpi = 0;
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

// Bound at run time: shcore.dll first came with Windows 8.1, and the launcher still runs on earlier
// versions. The library is loaded once and stays for the process, as a system library does anyway.
GetDpiForMonitorFn MonitorDpiFunction()
{
    static const GetDpiForMonitorFn function = [] {
        HMODULE shcore = ::LoadLibraryW(L"shcore.dll");
        return shcore ? reinterpret_cast<GetDpiForMonitorFn>(
                            reinterpret_cast<void*>(::GetProcAddress(shcore, "GetDpiForMonitor")))
                      : nullptr;
    }();
    return function;
}

// SetDialogDpiChangeBehavior and its DDC_DISABLE_ALL, which also turns off the resizing and the control
// relayout.
constexpr int kDialogDpiChangeDisableAll = 1;
using SetDialogDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int, int);

}  // namespace

void KeepDialogLayoutAtDpiChange(HWND dialog)
{
    // Bound at run time: user32 has it from Windows 10 1703 on.
    static const SetDialogDpiChangeBehaviorFn setBehaviour = reinterpret_cast<SetDialogDpiChangeBehaviorFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior")));
    if (setBehaviour && dialog)
        setBehaviour(dialog, kDialogDpiChangeDisableAll, kDialogDpiChangeDisableAll);
}

int PrimaryMonitorDpi()
{
    if (const GetDpiForMonitorFn getDpi = MonitorDpiFunction()) {
        const HMONITOR primary = ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
        UINT dpiX = 0;
        UINT dpiY = 0;
        if (SUCCEEDED(getDpi(primary, kEffectiveDpi, &dpiX, &dpiY)) && dpiY > 0)
            return static_cast<int>(dpiY);
    }
    // The system DPI: what a system-aware program is drawn at on every monitor.
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace zep
