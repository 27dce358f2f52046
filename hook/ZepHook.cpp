#include "hook/ZepHook.h"

#include "shared/ZepShared.h"

namespace {

HINSTANCE g_module = nullptr;
// Set only in the installing process; every other process that runs the hook procedure has null here.
HHOOK g_hook = nullptr;

void SignalShellNotify() noexcept
{
    // Opened per notification and closed at once: the hook runs inside arbitrary processes, which should
    // neither keep the launcher's event alive nor create one that nobody waits on.
    HANDLE event = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, ZEP_SHELL_NOTIFY_EVENT);
    if (event) {
        ::SetEvent(event);
        ::CloseHandle(event);
    }
}

LRESULT CALLBACK ShellProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HSHELL_WINDOWCREATED || code == HSHELL_WINDOWDESTROYED)
        SignalShellNotify();
    // The hook handle is ignored since Windows NT; outside the installing process we do not have it.
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        ::DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" BOOL WINAPI InstallShellHook(HWND)
{
    // One hook per process: a second one would signal twice and outlive UnInstallShellHook.
    if (!g_hook)
        g_hook = ::SetWindowsHookExW(WH_SHELL, &ShellProc, g_module, 0);
    return g_hook != nullptr;
}

extern "C" BOOL WINAPI UnInstallShellHook()
{
    if (g_hook && ::UnhookWindowsHookEx(g_hook))
        g_hook = nullptr;
    return g_hook == nullptr;
}
