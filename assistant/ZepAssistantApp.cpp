#include "assistant/ZepAssistantApp.h"

#include <commctrl.h>

#include "shared/LauncherArgument.h"
#include "shared/ZepShared.h"

namespace zep {

bool CZepAssistantApp::InitInstance()
{
    if (::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT64_TITLE))
        return false;
    ::OutputDebugStringW(L"ZepAssistant64 InitInstance");

    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);

    m_pFrame = std::make_unique<CMainFrame>();
    m_pMainWnd = m_pFrame.get();
    if (!m_pFrame->Create()) {
        m_pMainWnd = nullptr;
        return false;
    }
    ::ShowWindow(*m_pFrame, SW_HIDE);
    ::UpdateWindow(*m_pFrame);
    m_launcherWatch.Start(*m_pFrame, LauncherFromCommandLine(::GetCommandLineW()));
    return true;
}

int CZepAssistantApp::ExitInstance()
{
    m_launcherWatch.Stop();
    m_pMainWnd = nullptr;
    m_pFrame.reset();
    return CWinApp::ExitInstance();
}

}  // namespace zep

// The program's single application object, run by the framework's wWinMain.
zep::CZepAssistantApp g_assistantApp;
