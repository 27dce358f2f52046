#include "assistant/LauncherWatch.h"

#include "shared/ZepShared.h"

namespace zep {

namespace {

// True when `process` began before this process: a process id freed by its ended owner may already name a
// younger process.
bool BeganBeforeThisProcess(HANDLE process)
{
    FILETIME theirs[4] = {}, ours[4] = {};
    return ::GetProcessTimes(process, &theirs[0], &theirs[1], &theirs[2], &theirs[3]) &&
           ::GetProcessTimes(::GetCurrentProcess(), &ours[0], &ours[1], &ours[2], &ours[3]) &&
           ::CompareFileTime(&theirs[0], &ours[0]) <= 0;
}

}  // namespace

bool CLauncherWatch::Start(HWND window, std::optional<DWORD> launcher)
{
    if (Running())
        return false;
    DWORD pid = launcher.value_or(0);
    if (!launcher) {
        // The launcher names its dock dialog before it starts the assistant.
        const HWND dock = ::FindWindowW(nullptr, ZEP_DOCK_WINDOW_TITLE);
        if (!dock || !::GetWindowThreadProcessId(dock, &pid))
            return false;
    }
    // Not PROCESS_QUERY_LIMITED_INFORMATION: 64-bit XP and Server 2003 do not know it.
    m_launcher.reset(::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid));
    if (launcher && !(m_launcher && BeganBeforeThisProcess(m_launcher.get()))) {
        // The launcher died between starting the assistant and now: nobody would ever close it.
        m_launcher.reset();
        ::OutputDebugStringW(L"ZepAssistant64 launcher ended");
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        return false;
    }
    return m_launcher && CNotifyingWorker::Start(window);
}

unsigned CLauncherWatch::Work()
{
    const HANDLE waits[] = {m_launcher.get(), StopEvent().handle()};
    if (::WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0) {
        ::OutputDebugStringW(L"ZepAssistant64 launcher ended");
        Notify(WM_CLOSE);
    }
    return 0;
}

}  // namespace zep
