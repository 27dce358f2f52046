#include "launcher/skin/PngDialog.h"

#include <wtsapi32.h>

#include <new>

#include "framework/TimingProbe.h"
#include "framework/WinApp.h"
#include "launcher/skin/DialogKeyFilter.h"
#include "launcher/skin/LayeredSurface.h"
#include "launcher/skin/SkinComposition.h"
#include "launcher/system/MonitorDpi.h"
#include "launcher/system/WindowsVersion.h"

namespace zep {
namespace {

constexpr WPARAM kMoveByCaption = SC_MOVE + 2;  // SC_MOVE | HTCAPTION: drag as if by the title bar

SIZE SizeOf(const SkinImage* image)
{
    return image ? SIZE{static_cast<LONG>(image->Width()), static_cast<LONG>(image->Height())} : SIZE{0, 0};
}

}  // namespace

CPngDialog::CPngDialog() noexcept = default;

CPngDialog::~CPngDialog()
{
    if (m_hWnd)
        ::WTSUnRegisterSessionNotification(m_hWnd);
}

bool CPngDialog::Create(UINT templateId, HWND parent)
{
    if (!parent) {
        CWinApp* app = CWinApp::Instance();
        if (app && app->m_pMainWnd && app->m_pMainWnd != this)
            parent = app->m_pMainWnd->GetSafeHwnd();
    }
    return CDialog::Create(templateId, parent);
}

bool CPngDialog::LoadPicture(UINT id, DisplayScale scale)
{
    ReleaseComposition();
    m_pPicture.reset();
    m_pPicture = SkinImage::LoadPngResource(id, scale);
    if (!m_pPicture)
        return false;
    m_sizeComposition = SizeOf(m_pPicture.get());
    return true;
}

void CPngDialog::LoadEdgeImageSets(const UINT (&set0)[4], const UINT (&set1)[4], const UINT (&set2)[4],
                                   const UINT (&set3)[4])
{
    const UINT(*sets[kDockEdges])[4] = {&set0, &set1, &set2, &set3};
    for (int set = 0; set < kDockEdges; ++set) {
        for (int position = 0; position < kBackgroundVariants; ++position) {
            const int slot = kBackgroundVariants * set + position;
            m_nBackgroundIds[slot] = (*sets[set])[position];
            m_pBackgrounds[slot].reset();
        }
    }
    m_sizeVertical = SkinImage::PngResourceSize(m_nBackgroundIds[0], m_scale);
    m_sizeHorizontal = SkinImage::PngResourceSize(m_nBackgroundIds[BarBackgroundIndex(DockEdge::Bottom, 0)], m_scale);
    m_bBackgroundsTaken = true;
}

void CPngDialog::SetPictureScale(DisplayScale scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    for (std::unique_ptr<PremultipliedPicture>& background : m_pBackgrounds)
        background.reset();
    if (!m_bBackgroundsTaken)
        return;
    m_sizeVertical = SkinImage::PngResourceSize(m_nBackgroundIds[0], m_scale);
    m_sizeHorizontal = SkinImage::PngResourceSize(m_nBackgroundIds[BarBackgroundIndex(DockEdge::Bottom, 0)], m_scale);
    // The control dialog is sized from the composition size before the bar is composed again.
    if (!m_pPicture)
        m_sizeComposition = IsVertical(m_nStateEdge) ? m_sizeVertical : m_sizeHorizontal;
}

const PremultipliedPicture* CPngDialog::BackgroundAt(int slot)
{
    if (slot < 0 || slot >= kBackgroundSlots || !m_bBackgroundsTaken)
        return nullptr;
    if (!m_pBackgrounds[slot])
        m_pBackgrounds[slot] = PremultipliedPicture::LoadPngResource(m_nBackgroundIds[slot], m_scale);
    return m_pBackgrounds[slot].get();
}

void CPngDialog::SetBackgroundLayout(DockEdge edge, int first, int second, int third) noexcept
{
    m_nStateEdge = edge;
    m_nStateCounts = {first, second, third};
}

void CPngDialog::RequestHelp() const
{
    if (m_help)
        m_help();
}

template <typename DrawFn>
void CPngDialog::Compose(BYTE alpha, DrawFn draw, bool hold)
{
    if (!m_hWnd)
        return;
    auto surface = std::make_unique<LayeredSurface>(m_hWnd, m_sizeComposition);
    if (!surface->Ready())
        return;  // the window keeps its previous look
    const LONG_PTR exStyle = ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED))
        ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    draw(*surface);
    Present(*surface, alpha);
    if (hold)
        m_pHeldSurface = std::move(surface);
}

void CPngDialog::Present(const LayeredSurface& surface, BYTE alpha)
{
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    OnComposed(surface, alpha);
    surface.Present(m_hWnd, POINT{window.left, window.top}, alpha);
}

void CPngDialog::ReleaseComposition() noexcept
{
    m_bHoldComposition = false;
    m_pHeldSurface.reset();
}

void CPngDialog::OnComposed(const LayeredSurface&, BYTE)
{
}

bool CPngDialog::UpdatePicture(BYTE alpha)
{
    if (!m_pPicture)
        return false;
    if (m_pHeldSurface && m_hWnd) {
        Present(*m_pHeldSurface, alpha);
        return true;
    }
    const TimingProbe probe(TimedWork::PictureComposition);
    Compose(
        alpha,
        [this](LayeredSurface& surface) { DrawSinglePicture(surface.Graphics(), m_pPicture.get(), m_sizeComposition); },
        m_bHoldComposition);
    return true;
}

bool CPngDialog::UpdateEdgeBackground(DockEdge edge, int first, int second, int third, BYTE alpha)
{
    if (!m_bBackgroundsTaken)
        return false;
    m_sizeComposition = IsVertical(edge) ? m_sizeVertical : m_sizeHorizontal;
    const int counts[kBarBandCount] = {first, second, third};
    const TimingProbe probe(TimedWork::BarComposition);
    const PremultipliedPicture* sources[kBarBandCount];
    for (int group = 0; group < kBarBandCount; ++group)
        sources[group] = BackgroundAt(BarBackgroundIndex(edge, counts[group]));
    Compose(alpha, [&](LayeredSurface& surface) { CopyBarBackground(surface, edge, m_scale, sources); });
    return true;
}

void CPngDialog::Repaint()
{
    if (m_pPicture)
        UpdatePicture(255);
    else
        UpdateEdgeBackground(m_nStateEdge, m_nStateCounts[0], m_nStateCounts[1], m_nStateCounts[2], 255);
}

BOOL CPngDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    KeepDialogLayoutAtDpiChange(m_hWnd);

    // Composed invisibly: the owner fades or slides the window in. The bar background gets its real size
    // from the start, so its control dialog is never laid over a grey box of the template's size.
    if (!UpdatePicture(0) && !UpdateEdgeBackground(m_nStateEdge, 0, 0, 0, 0))
        return FALSE;

    ::WTSRegisterSessionNotification(m_hWnd, NOTIFY_FOR_THIS_SESSION);
    return TRUE;
}

BOOL CPngDialog::DestroyWindow()
{
    if (m_hWnd)
        ::WTSUnRegisterSessionNotification(m_hWnd);
    ReleaseComposition();
    m_pPicture.reset();
    for (std::unique_ptr<PremultipliedPicture>& background : m_pBackgrounds)
        background.reset();
    m_bBackgroundsTaken = false;
    return CDialog::DestroyWindow();
}

BOOL CPngDialog::TranslateDialogKeys(CDialog& dialog, MSG* msg)
{
    switch (FilterDialogKey(msg->message, msg->wParam, msg->lParam)) {
    case DialogKeyVerdict::Untranslated:
        return FALSE;
    case DialogKeyVerdict::Swallow:
        return TRUE;
    case DialogKeyVerdict::Translate:
        break;
    }
    return dialog.CDialog::PreTranslateMessage(msg);
}

BOOL CPngDialog::PreTranslateMessage(MSG* msg)
{
    return TranslateDialogKeys(*this, msg);
}

bool CPngDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        OnLButtonDown();
        *result = 0;
        return true;
    case WM_MOVE:
        Default();
        // Signed: a parked bar lies beyond the left or top edge of the screen.
        OnMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        *result = 0;
        return true;
    case WM_CLOSE:
        if (m_hCloseTarget)
            ::PostMessageW(m_hCloseTarget, WM_CLOSE, 0, 0);
        *result = Default();
        return true;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMESUSPEND || wParam == PBT_APMRESUMEAUTOMATIC)
            Repaint();
        *result = 0;
        return true;
    case WM_WTSSESSION_CHANGE:
        if (wParam == WTS_CONSOLE_CONNECT)
            Repaint();
        *result = 0;
        return true;
    case WM_SYSCOLORCHANGE:
        Default();
        OnSysColorChange();
        *result = 0;
        return true;
    case WM_SETTINGCHANGE:
        Default();
        OnSettingChange();
        *result = 0;
        return true;
    case WM_HELP:
        RequestHelp();
        *result = TRUE;
        return true;
    case WM_DPICHANGED:
        // The suggested rectangle is not taken: the window's size is its composition's, and its owner
        // composes it again at the new scale.
        *result = 0;
        return true;
    default:
        return CDialog::OnWndMsg(message, wParam, lParam, result);
    }
}

void CPngDialog::OnLButtonDown()
{
    if (!m_bDragEnabled)
        return;
    // With outline dragging the window, and its companion with it, moves once at the drop instead of at
    // every mouse step. The user's choice is restored afterwards and never written to the profile.
    BOOL fullDrag = FALSE;
    ::SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
    ::SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, FALSE, nullptr, 0);
    ::SendMessageW(m_hWnd, WM_SYSCOMMAND, kMoveByCaption, 0);  // returns when the drag ends
    Default();
    if (fullDrag)
        ::SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
}

void CPngDialog::OnMove(int x, int y)
{
    if (!m_hCompanion)
        return;
    ::SetWindowPos(m_hCompanion, HWND_TOP, x + m_ptCompanionOffset.x, y + m_ptCompanionOffset.y, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE);
}

void CPngDialog::OnSysColorChange()
{
    if (m_hWnd) {
        // A nudge makes the system take the layered window's look again.
        RECT window{};
        ::GetWindowRect(m_hWnd, &window);
        m_bMovingItself = true;
        ::SetWindowPos(m_hWnd, HWND_TOP, window.left + 1, window.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        ::SetWindowPos(m_hWnd, HWND_TOP, window.left, window.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        m_bMovingItself = false;
    }
    Repaint();
    if (m_hCompanion && IsWindowsXp()) {
        ::ShowWindow(m_hCompanion, SW_HIDE);
        ::ShowWindow(m_hCompanion, SW_SHOWNA);
    }
}

void CPngDialog::OnSettingChange()
{
    Repaint();
    if (m_hCompanion && IsWindowsXp()) {
        ::Sleep(100);
        ::UpdateWindow(m_hCompanion);
    }
}

}  // namespace zep
