#include "framework/WinApp.h"

#include "framework/Wnd.h"

namespace zep {
namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() noexcept
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* CWinApp::Instance() noexcept
{
    return g_app;
}

HINSTANCE CWinApp::ResourceInstance() noexcept
{
    return ::GetModuleHandleW(nullptr);
}

int CWinApp::Main()
{
    CWinApp* app = Instance();
    if (!app)
        return 1;
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}

int CWinApp::ExitInstance()
{
    return m_nExitCode;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg)
{
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        CWnd* wnd = CWnd::FromHandle(hwnd);
        if (wnd && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (m_pMainWnd && hwnd == m_pMainWnd->GetSafeHwnd())
            break;
    }
    return FALSE;
}

int CWinApp::Run()
{
    MSG msg;
    for (;;) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            m_nExitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1)
            break;
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return ExitInstance();
}

}  // namespace zep
