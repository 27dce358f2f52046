#include "DebuggedProcess.h"

#include <chrono>

namespace zep::test {

DebuggedProcess::DebuggedProcess(std::wstring program, std::wstring workFolder, DebugOptions options)
{
    m_thread = std::thread([this, program, workFolder, options] { Run(program, workFolder, options); });
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_startDone; });
}

DebuggedProcess::~DebuggedProcess()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_started && !m_exited)
            ::TerminateProcess(m_process, 99);
        for (const auto& debuggee : m_debuggees)
            ::TerminateProcess(debuggee.second, 99);
    }
    m_thread.join();
    if (m_process)
        ::CloseHandle(m_process);
}

bool DebuggedProcess::started() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_started;
}

DWORD DebuggedProcess::processId() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_processId;
}

bool DebuggedProcess::WaitForExit(DWORD timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return m_exited; });
}

DWORD DebuggedProcess::exitCode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_exitCode;
}

std::vector<std::string> DebuggedProcess::DebugStrings() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strings;
}

std::vector<DWORD> DebuggedProcess::Exceptions() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_exceptions;
}

void DebuggedProcess::Run(const std::wstring& program, const std::wstring& workFolder, const DebugOptions& options)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    const bool started = ::CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                                          options.withChildren ? DEBUG_PROCESS : DEBUG_ONLY_THIS_PROCESS, nullptr,
                                          workFolder.empty() ? nullptr : workFolder.c_str(), &startup, &info) != FALSE;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_startDone = true;
        m_started = started;
        m_exited = !started;
        m_process = started ? info.hProcess : nullptr;
        m_processId = started ? info.dwProcessId : 0;
    }
    m_changed.notify_all();
    if (!started)
        return;
    ::CloseHandle(info.hThread);

    for (;;) {
        DEBUG_EVENT event = {};
        if (!::WaitForDebugEvent(&event, INFINITE))
            break;
        DWORD status = DBG_CONTINUE;
        bool last = false;
        switch (event.dwDebugEventCode) {
        case CREATE_PROCESS_DEBUG_EVENT: {
            if (event.u.CreateProcessInfo.hFile)
                ::CloseHandle(event.u.CreateProcessInfo.hFile);
            std::lock_guard<std::mutex> lock(m_mutex);
            m_debuggees[event.dwProcessId] = event.u.CreateProcessInfo.hProcess;
            break;
        }
        case LOAD_DLL_DEBUG_EVENT:
            if (event.u.LoadDll.hFile)
                ::CloseHandle(event.u.LoadDll.hFile);
            break;
        case OUTPUT_DEBUG_STRING_EVENT: {
            std::unique_lock<std::mutex> lock(m_mutex);
            const HANDLE process = m_debuggees.count(event.dwProcessId) ? m_debuggees[event.dwProcessId] : info.hProcess;
            lock.unlock();
            const std::string text = ReadDebugString(process, event.u.DebugString);
            if (!options.killAt.empty() && text == options.killAt && event.dwProcessId == info.dwProcessId)
                ::TerminateProcess(info.hProcess, 98);
            break;
        }
        case EXCEPTION_DEBUG_EVENT: {
            // The loaders' initial breakpoints are ours to pass; every other exception is the program's.
            const DWORD code = event.u.Exception.ExceptionRecord.ExceptionCode;
            if (code != EXCEPTION_BREAKPOINT) {
                status = DBG_EXCEPTION_NOT_HANDLED;
                if (event.u.Exception.dwFirstChance) {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_exceptions.push_back(code);
                }
            }
            break;
        }
        case EXIT_PROCESS_DEBUG_EVENT: {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (event.dwProcessId == info.dwProcessId) {
                m_exitCode = event.u.ExitProcess.dwExitCode;
                m_exited = true;
            }
            m_debuggees.erase(event.dwProcessId);
            last = m_debuggees.empty();
            break;
        }
        default:
            break;
        }
        if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT)
            m_changed.notify_all();
        ::ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
        if (last)
            break;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_exited = true;
    }
    m_changed.notify_all();
}

std::string DebuggedProcess::ReadDebugString(HANDLE process, const OUTPUT_DEBUG_STRING_INFO& info)
{
    std::string text;
    if (info.fUnicode) {
        std::wstring wide(info.nDebugStringLength, L'\0');
        SIZE_T read = 0;
        ::ReadProcessMemory(process, info.lpDebugStringData, &wide[0], wide.size() * sizeof(wchar_t), &read);
        wide.resize(read / sizeof(wchar_t));
        for (wchar_t c : wide)
            text.push_back(static_cast<char>(c));
    } else {
        text.assign(info.nDebugStringLength, '\0');
        SIZE_T read = 0;
        ::ReadProcessMemory(process, info.lpDebugStringData, &text[0], text.size(), &read);
        text.resize(read);
    }
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_strings.push_back(text);
    return text;
}

}  // namespace zep::test
