#pragma once

// What ties the launcher to the rest of the session, started together once the bar is up and ended
// together before it goes: the registry watcher, the shell-event listener, the running-tool check, the
// low-level keyboard hook, the shell hook, the session notifications, and the 64-bit assistant's hook.
// Every worker only posts to the dock dialog.
// Thread: user-interface thread only.

#include <windows.h>

#include "launcher/system/AssistantLink.h"
#include "launcher/system/RegistryWatcher.h"
#include "launcher/system/ShellEventListener.h"
#include "launcher/tools/RunningToolCheck.h"

namespace zep {

class CSystemLinks {
public:
    // Starts the assistant where one is needed (before the dock dialog's second start-up stage, so its
    // window has time to appear), looking for its window on timers of `dock`.
    void StartAssistant(HWND dock) { m_assistant.Start(dock); }
    void AssistantLookTimerTicked() { m_assistant.LookTimerTicked(); }

    // Starts watching and hooking for `dock`, in this order: registry watcher, listener, running-tool check,
    // keyboard hook, shell hook, session notifications, and the assistant's hook. `machineKeyWritten`: the
    // machine key as the dock read it (CLaunchConfig::MachineKeyWritten), so a tool installed since is seen.
    void Start(HWND dock, ULONGLONG machineKeyWritten);
    // Stops and removes all of it, the workers first (none may post to, or wait for, a window that is going),
    // and closes the assistants. Safe before Start.
    void Stop();

    // A check of the running tools half a second from now.
    void CheckRunningTools() noexcept { m_runningCheck.Request(); }

private:
    HWND m_hDock = nullptr;
    CAssistantLink m_assistant;
    RegistryWatcher m_regWatch;
    ShellEventListener m_ShellListener;
    RunningToolCheck m_runningCheck;
};

}  // namespace zep
