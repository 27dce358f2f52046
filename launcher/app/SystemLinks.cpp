#include "launcher/app/SystemLinks.h"

#include <wtsapi32.h>

#include "hook/ZepHook.h"
#include "launcher/system/KeyboardHook.h"

namespace zep {

void CSystemLinks::Start(HWND dock, ULONGLONG machineKeyWritten)
{
    m_hDock = dock;
    m_regWatch.Start(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Zephra", dock, machineKeyWritten);
    m_ShellListener.Start(dock);
    m_runningCheck.Start(dock);
    KeyboardHook::Install(dock);
    InstallShellHook(dock);
    ::WTSRegisterSessionNotification(dock, NOTIFY_FOR_THIS_SESSION);
    m_assistant.InstallShellHook();
}

void CSystemLinks::Stop()
{
    m_runningCheck.Stop();
    m_ShellListener.Stop();
    m_regWatch.Stop();
    KeyboardHook::Remove();
    UnInstallShellHook();
    if (m_hDock)
        ::WTSUnRegisterSessionNotification(m_hDock);
    m_assistant.Close();
}

}  // namespace zep
