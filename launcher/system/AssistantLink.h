#pragma once

// The launcher's side of the 64-bit hook assistant: starting ZepAssistant64 on x64 Windows, finding its
// window, asking it to install its shell hook, and closing the assistants at tear-down.
// Thread: user-interface thread only.

#include <windows.h>

namespace zep {

class CAssistantLink {
public:
    // On x64 Windows: starts ZepAssistant64 from its folder and looks for its window for a while. False
    // when it could not be started. Elsewhere nothing, and true.
    bool Start();

    // Asks the assistant, if its window was found, to install its shell hook (a sent message).
    void InstallShellHook();

    // Closes the assistant for Windows that is not x64, if one runs, and asks ZepAssistant64 to remove its
    // hook and close (posted messages).
    void Close();

    HWND Window() const noexcept { return m_hZepAstWnd64; }

private:
    HWND m_hZepAstWnd64 = nullptr;
};

}  // namespace zep
