#include "launcher/skin/CtrlDialog.h"

#include "launcher/skin/PngDialog.h"
#include "launcher/tools/OpenHelp.h"

namespace zep {

CCtrlDialog::CCtrlDialog()
    : m_crKey(RGB(11, 0, 11)), m_pPngDlg(new CPngDialog), m_ptOffset{0, 0}, m_sizeExtra{0, 0}
{
}

CCtrlDialog::~CCtrlDialog()
{
    DestroyBackground();
}

void CCtrlDialog::DestroyBackground() noexcept
{
    if (!m_pPngDlg)
        return;
    // Clear the member first: destroying the background window also destroys this dialog (it is owned by
    // the background window), and nothing on that path may reach a half-deleted object.
    CPngDialog* background = m_pPngDlg;
    m_pPngDlg = nullptr;
    background->DestroyWindow();
    delete background;
}

BOOL CCtrlDialog::DestroyWindow()
{
    const bool hadWindow = m_hWnd != nullptr;
    DestroyBackground();
    if (m_hWnd)
        CDialog::DestroyWindow();
    return hadWindow && !m_hWnd ? TRUE : FALSE;
}

BOOL CCtrlDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    LONG_PTR exStyle = ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
    exStyle = (exStyle & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW;
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, exStyle);
    m_toolTip.Create(m_hWnd);
    return TRUE;
}

BOOL CCtrlDialog::PreTranslateMessage(MSG* msg)
{
    m_toolTip.RelayEvent(msg);
    return CPngDialog::TranslateDialogKeys(*this, msg);
}

LRESULT CCtrlDialog::OnCreate()
{
    if (Default() == -1)
        return -1;
    HWND background = m_pPngDlg ? m_pPngDlg->GetSafeHwnd() : nullptr;
    if (m_pPngDlg)
        m_pPngDlg->m_hCompanion = m_hWnd;
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(m_hWnd, m_crKey, 0, LWA_COLORKEY);
    if (background) {
        RECT rect{};
        ::GetWindowRect(background, &rect);
        const SIZE size = m_pPngDlg->m_sizeComposition;
        ::SetWindowPos(m_hWnd, HWND_TOP, rect.left + m_ptOffset.x, rect.top + m_ptOffset.y, size.cx + m_sizeExtra.cx,
                       size.cy + m_sizeExtra.cy, SWP_SHOWWINDOW);
    }
    return 0;
}

bool CCtrlDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_CREATE:
        *result = OnCreate();
        return true;
    case WM_ERASEBKGND: {
        // The DC that comes with the message; the fill needs no brush (ExtTextOut paints its rectangle
        // in the background colour).
        HDC dc = reinterpret_cast<HDC>(wParam);
        RECT client{};
        ::GetClientRect(m_hWnd, &client);
        const COLORREF previous = ::SetBkColor(dc, m_crKey);
        ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
        ::SetBkColor(dc, previous);
        *result = TRUE;
        return true;
    }
    case WM_HELP:
        *result = OpenHelp() ? TRUE : FALSE;
        return true;
    default:
        return CDialog::OnWndMsg(message, wParam, lParam, result);
    }
}

}  // namespace zep
