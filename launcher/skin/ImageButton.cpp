#include "launcher/skin/ImageButton.h"

#include <commctrl.h>

#include "launcher/skin/CtrlDialog.h"
#include "shared/ZepShared.h"

namespace zep {

CImageButton::~CImageButton() = default;

void CImageButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    // The button type is a value in the low bits, not a flag: replace it rather than OR over it.
    const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
}

LRESULT CImageButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The system button answers a double click on an owner-drawn button with BN_DOUBLECLICKED and no
    // press; seen as a second press it gives the second BN_CLICKED the user expects.
    if (message == WM_LBUTTONDBLCLK)
        message = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(message, wParam, lParam);
}

bool CImageButton::Create(const wchar_t* caption, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    m_nCtrlId = id;
    return CButton::Create(caption, style, rect, parent, id);
}

void CImageButton::LoadButtonImage(UINT id, DisplayScale scale)
{
    m_frames.Reset();
    m_pImage.reset();
    m_pImage = SkinImage::LoadPngResource(id, scale);
    m_nImageWidth = m_pImage ? static_cast<int>(m_pImage->Width()) : 0;
    m_nImageHeight = m_pImage ? static_cast<int>(m_pImage->Height()) : 0;
    m_nFrameWidth = m_nImageWidth / 3;
    if (!m_hWnd)
        return;

    RECT rc;
    ::GetWindowRect(m_hWnd, &rc);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&rc), 2);
    m_rcButton = {rc.left, rc.top, rc.left + m_nFrameWidth, rc.top + m_nImageHeight};
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, m_nFrameWidth, m_nImageHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The looks are drawn now, while the dock is hidden, not at the first reveal's paints.
    if (const auto* dialog = dynamic_cast<const CCtrlDialog*>(CWnd::FromHandle(::GetParent(m_hWnd)))) {
        if (m_pImage) {
            const UniqueWindowDc dc(m_hWnd);
            m_frames.Prepare(dc.get(), *m_pImage, SIZE{m_nFrameWidth, m_nImageHeight}, dialog->KeyColour());
        }
    }
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CImageButton::SetRunning(bool running)
{
    m_bRunning = running;
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CImageButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    const auto* dialog = dynamic_cast<const CCtrlDialog*>(CWnd::FromHandle(::GetParent(m_hWnd)));
    const ButtonLook look = m_bRunning ? (selected ? ButtonLook::PressedRunning : ButtonLook::Hot)
                                       : (selected ? ButtonLook::Pressed : (m_bHover ? ButtonLook::Hot : ButtonLook::Normal));
    // On a dialog with a key colour every look is drawn once and then copied. The frame goes onto the key
    // colour, not over the frame before: a hover or running glow would otherwise stay visible through the
    // next frame's transparent pixels.
    if (!dialog || !m_pImage ||
        !m_frames.Paint(item->hDC, *m_pImage, SIZE{m_nFrameWidth, m_nImageHeight}, dialog->KeyColour(), look)) {
        if (dialog) {
            const COLORREF previous = ::SetBkColor(item->hDC, dialog->KeyColour());
            ::ExtTextOutW(item->hDC, 0, 0, ETO_OPAQUE, &item->rcItem, nullptr, 0, nullptr);
            ::SetBkColor(item->hDC, previous);
        }
        UniqueGpGraphics graphics;
        if (gdip::GdipCreateFromHDC(item->hDC, graphics.put()) != Gdiplus::Ok)
            graphics.reset();
        if (m_bRunning) {
            DrawFrame(graphics.get(), 1);
            if (selected)
                DrawFrame(graphics.get(), 2);
        } else {
            DrawFrame(graphics.get(), selected ? 2 : (m_bHover ? 1 : 0));
        }
    }
    // Last: the parent's handler may destroy this button.
    if (!selected)
        ReportHover(m_bHover);
}

void CImageButton::DrawFrame(GpGraphics* graphics, int frame)
{
    if (!m_pImage || !graphics)
        return;
    m_pImage->Draw(graphics, 0, 0, m_nFrameWidth, m_nImageHeight, frame * m_nFrameWidth, 0, m_nFrameWidth,
                   m_nImageHeight);
}

void CImageButton::ReportHover(bool over)
{
    ::SendMessageW(::GetParent(m_hWnd), WM_BUTTON_HOVER, m_nCtrlId, over ? 0 : 1);
}

bool CImageButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return true;
    }
    return CButton::OnChildNotify(message, wParam, lParam, result);
}

bool CImageButton::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_ERASEBKGND:
        // Frames are drawn over what the button showed before; the dialog's key colour stays beneath.
        *result = TRUE;
        return true;
    case WM_ENABLE:
        // The looks do not show whether the button is enabled, so the system button's repaint would draw
        // the same pixels again (a hide disables all thirteen, one synchronous paint each). That paint's
        // report to the parent is still made: the dock's hover logic counts on it.
        if (!(::SendMessageW(m_hWnd, BM_GETSTATE, 0, 0) & BST_PUSHED))
            ReportHover(m_bHover);
        *result = 0;
        return true;
    case WM_MOUSEMOVE:
        if (!m_bTracking) {
            TRACKMOUSEEVENT track = {sizeof(track), TME_HOVER | TME_LEAVE, m_hWnd, 1};
            m_bTracking = ::_TrackMouseEvent(&track) != FALSE;
        }
        return false;
    case WM_MOUSEHOVER:
        m_bHover = true;
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        *result = 0;
        return true;
    case WM_MOUSELEAVE:
        m_bTracking = false;
        m_bHover = false;
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        *result = 0;
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        return false;
    case BM_SETSTATE:
        // The system button only invalidates when its pushed state changes and sends BN_CLICKED before
        // the next paint. Painting at once puts the release's hover report before the click, whose handler
        // closes the description panel that a late report would open again.
        *result = Default();
        ::UpdateWindow(m_hWnd);
        return true;
    default:
        return CButton::OnWndMsg(message, wParam, lParam, result);
    }
}

}  // namespace zep
