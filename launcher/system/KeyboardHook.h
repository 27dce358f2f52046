#pragma once

// The launcher's low-level keyboard hook: every key event of the session is posted to the dock dialog as
// WM_KEYBOARD_EVENT (wParam = the event's flags, lParam = its scan code) and passed on; no key is ever
// swallowed. The decision what a key means is taken later, on the dock dialog's message loop, so the hook
// procedure stays as short as the system requires of it.
// Thread: installed, called and removed on the user-interface thread (low-level hooks run in the
// installing thread).

#include <windows.h>

namespace zep {

class KeyboardHook {
public:
    // Installs the hook for `target`, replacing a hook installed before. False when the system refused it.
    static bool Install(HWND target);
    // Removes the hook if one is installed.
    static void Remove();
    static bool Installed();

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);
};

}  // namespace zep
