#pragma once

// The tool commands' seam as the launcher runs it: the shell, keybd_event, the WOW64 redirection switch
// and WM_COPYDATA to the 32-bit assistant. Thread: user-interface thread (redirection is per thread).

#include "launcher/tools/ToolSystem.h"

namespace zep {

class CWin32ToolSystem : public ToolSystem {
public:
    bool IsX64Windows() override;
    void Execute(const wchar_t* verb, const wchar_t* file, const wchar_t* directory) override;
    void SendKeyEvent(unsigned char scanCode, unsigned long flags) override;
    // Looked up in Kernel32 at each call (the functions exist only where WOW64 does). A 64-bit launcher
    // runs natively: nothing is redirected for it, so there is nothing to switch off and this succeeds.
    bool DisableRedirection(void** state) override;
    void RestoreRedirection(void* state) override;
    bool SendLaunchRequest(unsigned long code, const void* record, std::size_t bytes) override;
    void DebugString(const wchar_t* text) override;
};

}  // namespace zep
