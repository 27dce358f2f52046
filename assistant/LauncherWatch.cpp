#include "assistant/LauncherWatch.h"

#include "shared/ZepShared.h"

namespace zep {

bool CLauncherWatch::Start(HWND window)
{
    // The launcher names its dock dialog before it starts the assistant.
    const HWND dock = ::FindWindowW(nullptr, ZEP_DOCK_WINDOW_TITLE);
    DWORD pid = 0;
    if (!dock || !::GetWindowThreadProcessId(dock, &pid) || Running())
        return false;
    m_launcher.reset(::OpenProcess(SYNCHRONIZE, FALSE, pid));
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
