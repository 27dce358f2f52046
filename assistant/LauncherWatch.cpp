#include "assistant/LauncherWatch.h"

#include "shared/ZepShared.h"

namespace zep {

CLauncherWatch::CLauncherWatch() noexcept : m_hWindow(nullptr) {}

CLauncherWatch::~CLauncherWatch()
{
    Stop();
}

bool CLauncherWatch::Start(HWND window)
{
    // The launcher names its dock dialog before it starts the assistant.
    const HWND dock = ::FindWindowW(nullptr, ZEP_DOCK_WINDOW_TITLE);
    DWORD pid = 0;
    if (!dock || !::GetWindowThreadProcessId(dock, &pid) || m_worker.Running())
        return false;
    m_launcher.reset(::OpenProcess(SYNCHRONIZE, FALSE, pid));
    if (!m_launcher)
        return false;
    m_hWindow = window;
    return m_worker.Start([this]() -> unsigned {
        const HANDLE waits[] = {m_launcher.get(), m_worker.StopEvent().handle()};
        if (::WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0) {
            ::OutputDebugStringW(L"ZepAssistant64 launcher ended");
            ::PostMessageW(m_hWindow, WM_CLOSE, 0, 0);
        }
        return 0;
    });
}

void CLauncherWatch::Stop()
{
    m_worker.Stop();
}

}  // namespace zep
