#include "launcher/dock/Win32BarWindows.h"

#include "launcher/config/LaunchConfig.h"
#include "launcher/dock/DockButtons.h"
#include "launcher/dock/DockLayout.h"
#include "launcher/dock/ScreenPlacement.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/DescriptionPanel.h"

namespace zep {
namespace {

constexpr UINT kSlideTickMs = 10;
constexpr DWORD kSlideStepMs = 10;
constexpr UINT kCardCloseDelayMs = 2000;
constexpr int kStartupHides = 6;

}  // namespace

HWND CWin32BarWindows::Background() const noexcept
{
    const CPngDialog* background = m_bar.Background();
    return background ? background->GetSafeHwnd() : nullptr;
}

void CWin32BarWindows::DockDialogMoved()
{
    if (m_nStartupHideCount >= kStartupHides)
        return;
    ++m_nStartupHideCount;
    HideBar();
}

void CWin32BarWindows::ShowBar()
{
    // Shown without being activated: only the reveal's BringToFront takes the foreground.
    ::ShowWindow(Background(), SW_SHOWNA);
    ::ShowWindow(m_bar, SW_SHOWNA);
}

void CWin32BarWindows::HideBar()
{
    ::ShowWindow(Background(), SW_HIDE);
    ::ShowWindow(m_bar, SW_HIDE);
}

void CWin32BarWindows::SetTaskbarButton(bool taskbarButton)
{
    // A shown window's taskbar presence only changes across a hide and show; a hidden one's at its next show.
    const HWND background = Background();
    const bool shown = ::IsWindowVisible(background) != FALSE;
    if (shown)
        ::ShowWindow(background, SW_HIDE);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(background, GWL_EXSTYLE);
    const LONG_PTR changed = taskbarButton ? (exStyle & ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW)) | WS_EX_APPWINDOW
                                           : (exStyle & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW;
    ::SetWindowLongPtrW(background, GWL_EXSTYLE, changed);
    if (shown)
        ::ShowWindow(background, SW_SHOWNA);
}

void CWin32BarWindows::BringToFront()
{
    const HWND background = Background();
    const HWND foreground = ::GetForegroundWindow();
    const DWORD ownThread = ::GetCurrentThreadId();
    const DWORD foregroundThread = ::GetWindowThreadProcessId(foreground, nullptr);
    // Windows only lets a thread that shares the foreground thread's input state take the foreground
    // from it; the launcher is woken by a hook, never by input of its own.
    ::AttachThreadInput(ownThread, foregroundThread, TRUE);
    ::SwitchToThisWindow(background, TRUE);
    ::BringWindowToTop(background);
    ::AttachThreadInput(ownThread, foregroundThread, FALSE);
}

void CWin32BarWindows::EndStartupHiding()
{
    m_nStartupHideCount = kStartupHides;
}

void CWin32BarWindows::StartSlideTimer(Slide slide)
{
    ::SetTimer(m_bar, SlideTimerId(slide), kSlideTickMs, nullptr);
}

void CWin32BarWindows::KillSlideTimer(Slide slide)
{
    ::KillTimer(m_bar, SlideTimerId(slide));
}

SlideStepDone CWin32BarWindows::StepSlide(Slide slide)
{
    const HWND background = Background();
    if (!background)
        return SlideStepDone{false, false};
    RECT before{};
    ::GetWindowRect(background, &before);
    // The hide targets of the right and bottom edges are the screen size as the system reports it now.
    const SlideMove move = SlideStep(slide, {before.left, before.top}, m_screen.Area(),
                                     ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                                     m_screen.ScaleFor(slide.edge).scale);
    m_bar.MoveBarPair(move.position.x, move.position.y, 0, 0, SWP_NOSIZE);
    RECT after{};
    ::GetWindowRect(background, &after);
    return SlideStepDone{move.final, !::EqualRect(&before, &after)};
}

void CWin32BarWindows::PauseSlideStep()
{
    ::Sleep(kSlideStepMs);
}

void CWin32BarWindows::StartCardTimer()
{
    ::SetTimer(m_bar, kCardCloseTimer, kCardCloseDelayMs, nullptr);
}

void CWin32BarWindows::KillCardTimer()
{
    ::KillTimer(m_bar, kCardCloseTimer);
}

bool CWin32BarWindows::OpenCard(DockButton button, DockEdge edge)
{
    return m_card.Open(button, edge, m_layout.ScaleOf(edge));
}

void CWin32BarWindows::RetargetCard(DockButton button, DockEdge edge)
{
    m_card.Retarget(button, edge);
}

void CWin32BarWindows::CloseCard(bool fade)
{
    m_card.Close(fade);
}

void CWin32BarWindows::EnableButtons(bool enable)
{
    m_buttons.Enable(enable);
}

void CWin32BarWindows::RepaintSettingsButton()
{
    if (CImageButton* settings = m_buttons.Get(DockButton::Settings))
        ::InvalidateRect(*settings, nullptr, TRUE);
}

bool CWin32BarWindows::StoreEdge(DockEdge edge)
{
    return WriteDirection(edge);
}

void CWin32BarWindows::TakeEdge(DockEdge edge, bool show)
{
    CPngDialog* background = m_bar.Background();
    if (!background)
        return;
    m_layout.SetBackgroundLayout(edge);
    m_layout.SetForegroundOffsets(edge);
    // Composed invisibly first: the background takes the new bar's size before the dock dialog does.
    m_layout.ComposeBar(edge, 0);
    const SIZE bar = background->CompositionSize();
    const SIZE change = m_bar.ForegroundSizeChange();
    ::SetWindowPos(m_bar, nullptr, 0, 0, bar.cx + change.cx, bar.cy + change.cy, SWP_NOMOVE | SWP_NOACTIVATE);
    ::ShowWindow(m_bar, SW_HIDE);
    const CoordinatePair parked = m_screen.Parked(edge);
    m_bar.MoveBarPair(parked.x, parked.y, 0, 0, SWP_NOSIZE);
    m_layout.LayoutButtons(edge, m_config);
    m_layout.ComposeBar(edge, 255);
    m_layout.MirrorButtonLayer(edge);
    if (!show) {
        HideBar();
        return;
    }
    // A bar that was hidden comes in with both windows.
    ShowBar();
    ::InvalidateRect(m_bar, nullptr, TRUE);
}

}  // namespace zep
