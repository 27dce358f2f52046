#pragma once

// What the tool commands ask of the system, behind one seam so that every path (x64 or not, redirection
// switched off or not) runs in tests. Pure interface: no Windows headers; the launcher's implementation
// is CWin32ToolSystem. Thread: user-interface thread.

#include <cstddef>

namespace zep {

class ToolSystem {
public:
    virtual ~ToolSystem() = default;

    // True on 64-bit (x64) Windows; asked afresh at every command.
    virtual bool IsX64Windows() = 0;
    // ShellExecuteW, no owner, no parameters, shown normally. A null verb is the file type's default.
    virtual void Execute(const wchar_t* verb, const wchar_t* file, const wchar_t* directory) = 0;
    // keybd_event with virtual-key code 0 and extra information 0.
    virtual void SendKeyEvent(unsigned char scanCode, unsigned long flags) = 0;
    // Switches this thread's file-system redirection off; false when that cannot be done (then nothing
    // must be launched). *state is what RestoreRedirection needs.
    virtual bool DisableRedirection(void** state) = 0;
    virtual void RestoreRedirection(void* state) = 0;
    // WM_COPYDATA of `record` with code `code` to the window of class "ZephraClass" titled "ZepAssistant",
    // waiting a second at most for it to be handled; false when there is no such window.
    virtual bool SendLaunchRequest(unsigned long code, const void* record, std::size_t bytes) = 0;
    virtual void DebugString(const wchar_t* text) = 0;
};

}  // namespace zep
