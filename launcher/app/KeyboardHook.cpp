#include "launcher/app/KeyboardHook.h"

#include "launcher/app/DockGlobals.h"
#include "launcher/app/TimingProbe.h"
#include "shared/ZepShared.h"

namespace zep {

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
