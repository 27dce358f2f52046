#pragma once

#include <windows.h>

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zep::test {

// How a DebuggedProcess runs its program.
struct DebugOptions {
    // The programs it starts are debugged too (their strings land in the same list), and the loop goes on
    // until the last of them has ended.
    bool withChildren = false;
    // The program is killed as it writes this debug string: stopped at the debug event, it runs no further.
    std::string killAt;
};

// Runs a program under this process's debugger to collect its debug strings (OutputDebugString).
// The debugger loop runs on its own thread, which also creates the process, so the test's thread stays
// free to send messages to the program while the program stops at each debug string.
// The destructor ends the program, and with withChildren every child, if they still run.
class DebuggedProcess {
public:
    DebuggedProcess(std::wstring program, std::wstring workFolder, DebugOptions options = DebugOptions());
    ~DebuggedProcess();
    DebuggedProcess(const DebuggedProcess&) = delete;
    DebuggedProcess& operator=(const DebuggedProcess&) = delete;

    bool started() const;
    DWORD processId() const;
    // True when the program has ended within timeoutMs.
    bool WaitForExit(DWORD timeoutMs);
    DWORD exitCode() const;
    // Every debug string so far, in order.
    std::vector<std::string> DebugStrings() const;
    // Codes of the exceptions raised in the debugged processes so far, the loader's breakpoints left out.
    std::vector<DWORD> Exceptions() const;

private:
    void Run(const std::wstring& program, const std::wstring& workFolder, const DebugOptions& options);
    std::string ReadDebugString(HANDLE process, const OUTPUT_DEBUG_STRING_INFO& info);

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_startDone = false;
    bool m_started = false;
    bool m_exited = false;
    DWORD m_exitCode = 0;
    HANDLE m_process = nullptr;
    DWORD m_processId = 0;
    std::vector<std::string> m_strings;
    std::vector<DWORD> m_exceptions;
    std::map<DWORD, HANDLE> m_debuggees;  // process id -> the handle the debug events gave
    std::thread m_thread;
};

}  // namespace zep::test
