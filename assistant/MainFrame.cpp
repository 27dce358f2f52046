#include "assistant/MainFrame.h"

#include <string>

#include "shared/SiblingPath.h"
#include "assistant/resource.h"
#include "framework/WinApp.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {
// The framework frame's flag for "append the document name to the title"; kept for the window's style.
constexpr DWORD kAddToTitle = 0x8000;

std::wstring ProgramPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // truncated
    }
}

template <typename Proc>
Proc ExportOf(HMODULE module, const char* name)
{
    // Through the generic function type, so the compiler accepts the conversion without a warning.
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}
}  // namespace

CMainFrame::~CMainFrame()
{
    ReleaseHookLibrary();
}

bool CMainFrame::Create()
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = CWinApp::ResourceInstance();
    wc.hIcon = ::LoadIconW(wc.hInstance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    wc.lpszClassName = ZEP_ASSISTANT_CLASS;
    if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    const RECT rect = {0, 0, 0, 0};
    return CreateEx(0, ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT64_TITLE, WS_CAPTION | kAddToTitle, rect, nullptr, 0);
}

BOOL CMainFrame::DestroyWindow()
{
    ::OutputDebugStringW(L"ZepAssistant DestroyWindow");
    ReleaseHookLibrary();
    return CWnd::DestroyWindow();
}

bool CMainFrame::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_CREATE:
        *result = OnCreate();
        return true;
    case WM_INSTALLSHELLHOOK64:
        ::OutputDebugStringW(L"Assistant64 InstallShellHook64");
        if (m_pfnInstallShellHook)
            m_pfnInstallShellHook(nullptr);
        *result = 0;
        return true;
    case WM_UNINSTALLSHELLHOOK64:
        ::OutputDebugStringW(L"Assistant64 UninstallShellHook64");
        if (m_pfnUnInstallShellHook)
            m_pfnUnInstallShellHook();
        *result = 0;
        return true;
    case WM_CLOSE:
        DestroyWindow();
        *result = 0;
        return true;
    default:
        // WM_COPYDATA included: launch requests are for the 32-bit assistant; the default answer is
        // FALSE and the data is not looked at.
        return CWnd::OnWndMsg(message, wParam, lParam, result);
    }
}

LRESULT CMainFrame::OnCreate()
{
    if (Default() == -1)
        return -1;
    return LoadHookLibrary() ? 0 : -1;
}

bool CMainFrame::LoadHookLibrary()
{
    const std::wstring besideProgram = SiblingPath(ProgramPath(), ZEP_HOOK64_DLL);
    if (!besideProgram.empty())
        m_hHookLib.reset(::LoadLibraryExW(besideProgram.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!m_hHookLib)
        m_hHookLib.reset(::LoadLibraryExW(ZEP_HOOK64_DLL, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!m_hHookLib) {
        ::OutputDebugStringW(L"Load ZepHook64.dll Failed");
        return false;
    }
    m_pfnInstallShellHook = ExportOf<InstallShellHookProc>(m_hHookLib.get(), "InstallShellHook");
    m_pfnUnInstallShellHook = ExportOf<UnInstallShellHookProc>(m_hHookLib.get(), "UnInstallShellHook");
    if (m_pfnInstallShellHook && m_pfnUnInstallShellHook)
        return true;
    ::OutputDebugStringW(L"Load Func Fail");
    ::OutputDebugStringW(L"Load ZepHook64.dll Failed");
    m_pfnInstallShellHook = nullptr;
    m_pfnUnInstallShellHook = nullptr;
    m_hHookLib.reset();
    return false;
}

void CMainFrame::ReleaseHookLibrary() noexcept
{
    if (m_pfnUnInstallShellHook)
        m_pfnUnInstallShellHook();
    m_pfnInstallShellHook = nullptr;
    m_pfnUnInstallShellHook = nullptr;
    m_hHookLib.reset();
}

}  // namespace zep
