#pragma once

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zep::test {

// Runs a program under this process's debugger to collect its debug strings (OutputDebugString).
// The debugger loop runs on its own thread, which also creates the process, so the test's thread stays
// free to send messages to the program while the program stops at each debug string.
// The destructor ends the program if it still runs.
class DebuggedProcess {
public:
    DebuggedProcess(std::wstring program, std::wstring workFolder);
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

private:
    void Run(const std::wstring& program, const std::wstring& workFolder);
    void ReadDebugString(HANDLE process, const OUTPUT_DEBUG_STRING_INFO& info);

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_startDone = false;
    bool m_started = false;
    bool m_exited = false;
    DWORD m_exitCode = 0;
    HANDLE m_process = nullptr;
    DWORD m_processId = 0;
    std::vector<std::string> m_strings;
    std::thread m_thread;
};

}  // namespace zep::test
