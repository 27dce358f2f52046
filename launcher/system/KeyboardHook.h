#pragma once

// The launcher's low-level keyboard hook: every key event of the session is posted to the dock dialog as
// WM_KEYBOARD_EVENT (wParam = the event's flags, lParam = its scan code) and passed on; no key is ever
// swallowed. What a key means is decided later, on the dock dialog's message loop.
//
// Thread: the hook lives on a thread of its own, which does nothing but run the hook: the system calls a
// low-level hook synchronously, in the thread that installed it, and every key of the session waits for
// it (and a hook that keeps the system waiting too long is removed without notice). The dock dialog's
// thread fades, slides and sleeps; the hook thread never blocks. Install and Remove are called on the
// user-interface thread.

#include <windows.h>

namespace zep {

class KeyboardHook {
public:
    // Installs the hook for `target` (starting its thread, or installing afresh on it when it runs: the
    // system may have dropped the old hook). False when the system refused it.
    static bool Install(HWND target);
    // Removes the hook and ends its thread.
    static void Remove();
    static bool Installed();
};

}  // namespace zep
