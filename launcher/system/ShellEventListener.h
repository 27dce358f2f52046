#pragma once

// Turns the shell-hook library's "ZepShellNotifyEvent" into WM_SHELL_NOTIFY for the dock dialog, and lets
// any other process close the launcher through "ZepCloseEvent". One worker thread waits on both events
// (and on a private stop event of its own).
//
// Ownership: the dock dialog holds the listener; Stop (or the destructor) ends the worker before the
// events are released, so it never waits on a closed handle. Thread: Start and Stop on the user-interface
// thread; the worker only posts and notifies.

#include <windows.h>

#include "framework/Event.h"
#include "framework/StoppableThread.h"

namespace zep {

class ShellEventListener {
public:
    ShellEventListener() noexcept;
    ~ShellEventListener();
    ShellEventListener(const ShellEventListener&) = delete;
    ShellEventListener& operator=(const ShellEventListener&) = delete;

    // Opens (or creates) both named events and starts the worker for `target`. False when an event or
    // the thread could not be had; then nothing runs.
    bool Start(HWND target);
    // Ends the worker and waits for it. Safe to call more than once and from a WM_CLOSE the worker asked
    // for (the worker never waits for that close to be handled).
    void Stop();

private:
    unsigned WatchShellEvent();

    CEvent m_shellNotify;  // auto-reset, "ZepShellNotifyEvent"
    CEvent m_close;        // auto-reset, "ZepCloseEvent"
    HWND m_hTarget;
    CStoppableThread m_worker;
};

}  // namespace zep
