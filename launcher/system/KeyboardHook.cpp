#include "launcher/system/KeyboardHook.h"

#include "framework/TimingProbe.h"
#include "framework/UniqueResource.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {

// The hook procedure has no context of its own: the hook and the window it posts to are the process's.
// Both are written on the user-interface thread, where the procedure also runs.
HWND g_hHookTargetWnd = nullptr;
UniqueHook g_hKeyboardHook;

}  // namespace

bool KeyboardHook::Install(HWND target)
{
    g_hHookTargetWnd = target;
    g_hKeyboardHook.reset();
    g_hKeyboardHook.reset(::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardHook::Procedure, ::GetModuleHandleW(nullptr), 0));
    return g_hKeyboardHook.valid();
}

void KeyboardHook::Remove()
{
    g_hKeyboardHook.reset();
}

bool KeyboardHook::Installed()
{
    return g_hKeyboardHook.valid();
}

LRESULT CALLBACK KeyboardHook::Procedure(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const TimingProbe probe(TimedWork::KeyboardHook);
        const KBDLLHOOKSTRUCT* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        ::PostMessageW(g_hHookTargetWnd, WM_KEYBOARD_EVENT, event->flags, static_cast<LPARAM>(event->scanCode));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace zep
