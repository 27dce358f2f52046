#include "framework/Wnd.h"

#include "framework/CreationHook.h"
#include "framework/WinApp.h"

namespace zep {
namespace {
const wchar_t kObjectProperty[] = L"ZepWndObject";
}

CWnd::~CWnd()
{
    if (m_hWnd) {
        // Detach first: the derived parts of this object are gone, so the window's last messages go to
        // its original procedure, not to us.
        HWND hwnd = m_hWnd;
        UnsubclassWindow();
        CWinApp* app = CWinApp::Instance();
        const bool wasMain = app && app->m_pMainWnd == this;
        ::DestroyWindow(hwnd);
        if (wasMain) {
            app->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
    }
}

CWnd* CWnd::FromHandle(HWND hwnd) noexcept
{
    return hwnd ? static_cast<CWnd*>(::GetPropW(hwnd, kObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND hwnd) noexcept
{
    m_hWnd = hwnd;
    ::SetPropW(hwnd, kObjectProperty, this);
}

void CWnd::Detach() noexcept
{
    if (m_hWnd)
        ::RemovePropW(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, const RECT& rect,
                    HWND parent, UINT_PTR idOrMenu, void* param)
{
    if (m_hWnd)
        return false;
    HWND hwnd;
    {
        CreationHook hook(this);
        hwnd = ::CreateWindowExW(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                                 rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(idOrMenu),
                                 CWinApp::ResourceInstance(), param);
    }
    if (!hwnd && m_hWnd)
        Detach();  // creation failed after the hook attached us (WM_NCCREATE / WM_CREATE said no)
    return hwnd != nullptr;
}

bool CWnd::SubclassWindow(HWND hwnd)
{
    if (m_hWnd || !hwnd || FromHandle(hwnd))
        return false;
    Attach(hwnd);
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWndProc)));
    return true;
}

HWND CWnd::UnsubclassWindow() noexcept
{
    HWND hwnd = m_hWnd;
    if (!hwnd)
        return nullptr;
    if (m_pfnSuper)
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    return hwnd;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() noexcept
{
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

bool CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* wnd = FromHandle(child);
    return wnd && wnd != this && wnd->OnChildNotify(message, wParam, lParam, result);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_COMMAND:
        if (lParam && ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, result))
            return true;
        if (OnCommand(wParam, lParam)) {
            *result = 0;
            return true;
        }
        return false;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        return header && ReflectToChild(header->hwndFrom, message, wParam, lParam, result);
    }
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU && ReflectToChild(item->hwndItem, message, wParam, lParam, result);
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORDLG:
        return ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, result);
    default:
        return false;
    }
}

bool CWnd::OnCommand(WPARAM, LPARAM)
{
    return false;
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandle(hwnd);
    if (!wnd)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);

    const CurrentMessage saved = wnd->m_current;
    wnd->m_current = {message, wParam, lParam};
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    wnd->m_current = saved;

    if (message == WM_NCDESTROY) {
        CWinApp* app = CWinApp::Instance();
        const bool wasMain = app && app->m_pMainWnd == wnd;
        wnd->UnsubclassWindow();
        if (wasMain) {
            app->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
        wnd->PostNcDestroy();
    }
    return result;
}

}  // namespace zep
