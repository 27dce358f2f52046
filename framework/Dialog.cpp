#include "framework/Dialog.h"

#include "framework/CreationHook.h"
#include "framework/WinApp.h"

namespace zep {

bool CDialog::Create(UINT templateId, HWND parent)
{
    if (m_hWnd)
        return false;
    HWND hwnd;
    {
        CreationHook hook(this);
        hwnd = ::CreateDialogParamW(CWinApp::ResourceInstance(), MAKEINTRESOURCEW(templateId), parent,
                                    &CDialog::DialogProc, 0);
    }
    if (!hwnd && m_hWnd)
        UnsubclassWindow();
    return hwnd != nullptr;
}

// Every message already went through CWnd::StaticWndProc (the dialog window was subclassed at creation),
// and reaches this procedure only as the default processing of the dialog class: nothing left to do.
INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

BOOL CDialog::OnInitDialog()
{
    return TRUE;
}

bool CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_INITDIALOG) {
        if (!m_bPassive) {
            *result = OnInitDialog();
            return true;
        }
        // The dialog manager shows a visible template's dialog after this message, activating it: a passive
        // one is shown here without that (and so the dialog manager leaves it alone), and takes no focus.
        ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) | WS_EX_NOACTIVATE);
        OnInitDialog();
        ::ShowWindow(m_hWnd, SW_SHOWNA);
        *result = FALSE;
        return true;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}

void CDialog::PaintMinimisedIcon(HICON icon)
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    ::SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, icon);
    ::EndPaint(m_hWnd, &ps);
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    const bool keyboard = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    const bool mouse = msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST;
    if (!keyboard && !mouse)
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, msg);
}

}  // namespace zep
