#include "launcher/skin/CtrlDialog.h"

#include "launcher/res/resource.h"
#include "launcher/skin/PngDialog.h"
#include "launcher/system/MonitorDpi.h"

namespace zep {

CCtrlDialog::CCtrlDialog() : CCtrlDialog(std::make_unique<CPngDialog>()) {}

CCtrlDialog::CCtrlDialog(std::unique_ptr<CPngDialog> background)
    : m_crKey(RGB(11, 0, 11)), m_pPngDlg(background.release()), m_ptOffset{0, 0}, m_sizeExtra{0, 0}
{
}

CCtrlDialog::~CCtrlDialog()
{
    DestroyBackground();
}

bool CCtrlDialog::CreatePair(UINT dialogTemplate)
{
    return m_pPngDlg && m_pPngDlg->Create(IDD_PNG_DIALOG) && Create(dialogTemplate, m_pPngDlg->GetSafeHwnd()) &&
           m_hWnd != nullptr;
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
    KeepDialogLayoutAtDpiChange(m_hWnd);
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

void CCtrlDialog::SetForegroundOffsets(POINT offset, SIZE sizeChange) noexcept
{
    m_ptOffset = offset;
    m_sizeExtra = sizeChange;
    if (m_pPngDlg)
        m_pPngDlg->SetCompanionOffset(offset);
}

void CCtrlDialog::MoveBarPair(int x, int y, int width, int height, UINT flags)
{
    if ((flags & kMoveDialog) != 0) {
        ::SetWindowPos(m_hWnd, HWND_TOP, x + m_ptOffset.x, y + m_ptOffset.y, width + m_sizeExtra.cx,
                       height + m_sizeExtra.cy, (flags & ~kMoveDialog) | SWP_NOACTIVATE);
    }
    if (m_pPngDlg)
        ::SetWindowPos(m_pPngDlg->GetSafeHwnd(), m_hWnd, x, y, width, height, SWP_NOSIZE | SWP_NOACTIVATE);
}

void CCtrlDialog::SetLayerAlpha(BYTE alpha)
{
    ::SetLayeredWindowAttributes(m_hWnd, m_crKey, alpha, LWA_COLORKEY | LWA_ALPHA);
}

void CCtrlDialog::ResetLayerAlpha()
{
    ::SetLayeredWindowAttributes(m_hWnd, m_crKey, 0, LWA_COLORKEY);
}

void CCtrlDialog::SetHelpHandler(std::function<void()> handler)
{
    if (m_pPngDlg)
        m_pPngDlg->SetHelpHandler(std::move(handler));
}

LRESULT CCtrlDialog::OnCreate()
{
    if (Default() == -1)
        return -1;
    HWND background = m_pPngDlg ? m_pPngDlg->GetSafeHwnd() : nullptr;
    if (m_pPngDlg)
        m_pPngDlg->AttachCompanion(m_hWnd);
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    ResetLayerAlpha();
    if (background) {
        RECT rect{};
        ::GetWindowRect(background, &rect);
        const SIZE size = m_pPngDlg->CompositionSize();
        ::SetWindowPos(m_hWnd, HWND_TOP, rect.left + m_ptOffset.x, rect.top + m_ptOffset.y, size.cx + m_sizeExtra.cx,
                       size.cy + m_sizeExtra.cy, SWP_SHOWWINDOW | SWP_NOACTIVATE);
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
        // The pair answers as one: the background window's handler serves both.
        if (m_pPngDlg)
            m_pPngDlg->RequestHelp();
        *result = TRUE;
        return true;
    default:
        return CDialog::OnWndMsg(message, wParam, lParam, result);
    }
}

}  // namespace zep
