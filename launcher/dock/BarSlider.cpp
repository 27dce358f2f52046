#include "launcher/dock/BarSlider.h"

#include "launcher/dock/DockLayout.h"
#include "launcher/dock/DockStateMachine.h"
#include "launcher/dock/SlideStep.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/ImageButton.h"

namespace zep {
namespace {

constexpr DWORD kSlideStepMs = 10;

}  // namespace

bool CBarSlider::Step(CCtrlDialog& dialog, int code, const RECT& workArea)
{
    if (dialog.m_pPngDlg == nullptr)
        return false;
    RECT rect{};
    ::GetWindowRect(dialog.m_pPngDlg->GetSafeHwnd(), &rect);
    const WorkArea area = {workArea.left, workArea.top, workArea.right, workArea.bottom};
    SlideMove move{};
    if (!SlideStep(code, {rect.left, rect.top}, area, ::GetSystemMetrics(SM_CXSCREEN),
                   ::GetSystemMetrics(SM_CYSCREEN), &move))
        return false;
    CDockLayout::MoveBarPair(dialog, move.position.x, move.position.y, 0, 0, SWP_NOSIZE);
    return move.final;
}

void CBarSlider::SlideToEnd(CCtrlDialog& dialog, int code, const RECT& workArea, DockStateMachine& dock)
{
    if (!IsSlideCode(code) || dialog.m_pPngDlg == nullptr)
        return;
    const HWND background = dialog.m_pPngDlg->GetSafeHwnd();
    for (;;) {
        ::Sleep(kSlideStepMs);
        RECT before{};
        ::GetWindowRect(background, &before);
        dock.SlideStepBegins(code);
        bool final = Step(dialog, code, workArea);
        RECT after{};
        ::GetWindowRect(background, &after);
        // Every step short of the end moves the bar; one that does not would never end.
        final = final || ::EqualRect(&before, &after);
        dock.BlockingSlideStepped(code, final);
        if (final)
            return;
    }
}

void CBarSlider::SetTaskbarButton(HWND background, bool taskbarButton)
{
    ::ShowWindow(background, SW_HIDE);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(background, GWL_EXSTYLE);
    const LONG_PTR changed = taskbarButton ? (exStyle & ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW)) | WS_EX_APPWINDOW
                                           : (exStyle & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW;
    ::SetWindowLongPtrW(background, GWL_EXSTYLE, changed);
    ::ShowWindow(background, SW_SHOW);
}

void CBarSlider::BringToFront(HWND background)
{
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

void CBarSlider::EnableButtons(CImageButton* const (&buttons)[kDockButtons], bool enable)
{
    for (CImageButton* button : buttons) {
        if (button != nullptr)
            ::EnableWindow(button->GetSafeHwnd(), enable ? TRUE : FALSE);
    }
}

}  // namespace zep
