#pragma once

// Finds out which companion tools have their main window open, half a second after the shell reported
// window activity, and tells the dock dialog with WM_RUNNING_TOOLS (wParam: bit r set when row r of the
// running-tool table was found). The dock dialog writes the buttons' running flags itself, on its own
// thread: the check never touches a button, so a bar rebuilt or torn down meanwhile is safe.
//
// Ownership: the dock dialog holds the check; Stop (or the destructor) ends its one worker, cutting the
// half-second pause short. Thread: Start, Request and Stop on the user-interface thread.

#include <windows.h>

#include "framework/Event.h"
#include "framework/NotifyingWorker.h"

namespace zep {

constexpr UINT WM_RUNNING_TOOLS = WM_USER + 1010;

class RunningToolCheck : public CNotifyingWorker {
public:
    RunningToolCheck() noexcept;
    ~RunningToolCheck() { Stop(); }

    bool Start(HWND target);
    // A check after the pause; requests during a pause or a search give one more check, not one each.
    void Request() noexcept { m_request.Set(); }

private:
    unsigned Work() override { return CheckRunningTools(); }
    unsigned CheckRunningTools();

    CEvent m_request;  // auto-reset
};

}  // namespace zep
