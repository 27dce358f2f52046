#pragma once

// The moves of the bar's reveal and hide: slide steps of a dialog pair, the taskbar-button switch of its
// background window, bringing it in front of the foreground window, and enabling or disabling the dock's
// buttons. Callers keep the bar state; nothing here looks at it.
// Thread: user-interface thread only.

#include <windows.h>

#include "launcher/dock/LayoutPlan.h"

namespace zep {

class CCtrlDialog;
class CImageButton;
class DockStateMachine;

class CBarSlider {
public:
    // One step of slide `code` (10 x edge + 0 hide / + 1 reveal) of `dialog`'s background window, from
    // where that window is now, toward the target taken from `workArea` (reveal) or from the screen size
    // as the system reports it at this moment (hide). The background window goes directly behind the
    // dialog, size kept, and the dialog follows it. True when this step was the final placement; false
    // for a step short of it, for a code that is no slide and for a pair without background window.
    static bool Step(CCtrlDialog& dialog, int code, const RECT& workArea);

    // The blocking slide: a 10 ms pause and one step, until the final placement; `dock` follows each step
    // (Moving, then Shown or Hidden at the end). It shows, hides, enables and kills nothing; the thread
    // is held until the slide ends. Nothing for a code that is no slide or a pair without background
    // window; a bar that does not move any more (its window gone) ends the slide where it stands.
    static void SlideToEnd(CCtrlDialog& dialog, int code, const RECT& workArea, DockStateMachine& dock);

    // Hides `background`, gives it a taskbar button (WS_EX_APPWINDOW) or takes it away (WS_EX_TOOLWINDOW),
    // and shows it again: a shown window's taskbar presence only changes across a hide and show.
    static void SetTaskbarButton(HWND background, bool taskbarButton);

    // Puts `background` in front of the foreground window by borrowing the foreground thread's input
    // state: attach, switch to it, bring it to the top, detach, in this order.
    static void BringToFront(HWND background);

    // EnableWindow on the buttons in identifier order; null entries are skipped.
    static void EnableButtons(CImageButton* const (&buttons)[kDockButtons], bool enable);
};

}  // namespace zep
