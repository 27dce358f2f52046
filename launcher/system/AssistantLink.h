#pragma once

// The launcher's side of the 64-bit hook assistant: starting ZepAssistant64 on x64 Windows, finding its
// window, asking it to install its shell hook, and closing the assistants at tear-down. A launcher without
// its assistant (missing, not a program, or not answering) runs on without the 64-bit shell hook: the bar,
// its keys and its tools work all the same.
// Thread: user-interface thread only; nothing here waits for the assistant longer than a short, fixed time.

#include <windows.h>

#include "framework/UniqueResource.h"

namespace zep {

class CAssistantLink {
public:
    // On x64 Windows: starts ZepAssistant64 from the launcher's own folder or the install folder under one of
    // the system's program-files folders, whichever holds it first, and looks for its window now and then,
    // on timer kAssistantLookTimer of `timerOwner`, until it appears or five seconds have passed. A debug
    // string says so when it cannot be started. Elsewhere nothing.
    void Start(HWND timerOwner);
    // kAssistantLookTimer ticked: looks again.
    void LookTimerTicked();

    // Asks the assistant to install its shell hook, at once when its window is known, or when it is found.
    void InstallShellHook();

    // Closes the assistant for Windows that is not x64, if one runs, and asks ZepAssistant64 to remove its
    // hook and close (posted messages); a ZepAssistant64 started here whose window has not appeared yet is
    // ended instead.
    void Close();

    HWND Window() const noexcept { return m_hZepAstWnd64; }

private:
    void Look();
    void SendInstall();

    UniqueHandle m_assistant;  // the ZepAssistant64 process this launcher started, until Close
    HWND m_hTimerOwner = nullptr;
    HWND m_hZepAstWnd64 = nullptr;
    DWORD m_nStartedAt = 0;
    bool m_bInstallWanted = false;
};

}  // namespace zep
