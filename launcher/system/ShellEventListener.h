#pragma once

// Turns the shell-hook library's "ZepShellNotifyEvent" into WM_SHELL_NOTIFY for the dock dialog, and lets
// any other process close the launcher through "ZepCloseEvent". One worker thread waits on both events
// (and on its stop event).
//
// Ownership: the dock dialog holds the listener; Stop (or the destructor) ends the worker before the
// events are released, so it never waits on a closed handle. Thread: Start and Stop on the user-interface
// thread; the worker only posts and notifies.

#include <windows.h>

#include "framework/Event.h"
#include "framework/NotifyingWorker.h"

namespace zep {

class ShellEventListener : public CNotifyingWorker {
public:
    ShellEventListener() noexcept;
    ~ShellEventListener() { Stop(); }

    // Opens (or creates) both named events and starts the worker for `target`. False when an event or
    // the thread could not be had; then nothing runs. Stop is safe from a WM_CLOSE the worker asked for
    // (the worker never waits for that close to be handled).
    bool Start(HWND target);

private:
    unsigned Work() override { return WatchShellEvent(); }
    unsigned WatchShellEvent();

    CEvent m_shellNotify;  // auto-reset, "ZepShellNotifyEvent"
    CEvent m_close;        // auto-reset, "ZepCloseEvent"
};

}  // namespace zep
