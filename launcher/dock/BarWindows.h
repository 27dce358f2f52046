#pragma once

// What the bar driver asks of the bar's windows and timers: the seam between the dock's decisions and the
// system. Pure interface: no Windows headers; the launcher's implementation is CWin32BarWindows, the tests
// record the calls. Thread: user-interface thread.

#include "launcher/config/DockButton.h"
#include "launcher/config/DockEdge.h"
#include "launcher/dock/SlideStep.h"

namespace zep {

// What one slide step did.
struct SlideStepDone {
    bool final;  // the bar stands on the slide's target
    bool moved;  // the bar's place changed
};

class BarWindows {
public:
    virtual ~BarWindows() = default;

    // Shows (hides) the background window, then the dock dialog.
    virtual void ShowBar() = 0;
    virtual void HideBar() = 0;
    // Gives the background window a taskbar button, or takes it away; a shown window is hidden and shown
    // again around the change, a hidden one takes it at its next show.
    virtual void SetTaskbarButton(bool taskbarButton) = 0;
    // Puts the background window in front of the foreground window.
    virtual void BringToFront() = 0;
    // Before the first reveal the dock dialog's first position changes hide the bar again; a reveal ends
    // that for good.
    virtual void EndStartupHiding() = 0;

    // The 10 ms timer that drives `slide`, one step per tick; starting a running one starts it over.
    virtual void StartSlideTimer(Slide slide) = 0;
    virtual void KillSlideTimer(Slide slide) = 0;
    // One step of `slide` from where the bar stands now.
    virtual SlideStepDone StepSlide(Slide slide) = 0;
    // The pause before each step of a blocking slide (10 ms; the thread is held).
    virtual void PauseSlideStep() = 0;

    // The 2000 ms timer that closes the card; starting a running one starts it over.
    virtual void StartCardTimer() = 0;
    virtual void KillCardTimer() = 0;
    // The card of `button` beside the bar on `edge`; false when it could not be opened.
    virtual bool OpenCard(DockButton button, DockEdge edge) = 0;
    virtual void RetargetCard(DockButton button, DockEdge edge) = 0;
    virtual void CloseCard(bool fade) = 0;

    // All 13 buttons, in identifier order.
    virtual void EnableButtons(bool enable) = 0;
    virtual void RepaintSettingsButton() = 0;

    // Keeps `edge` as the user's choice; false when it cannot be kept (nothing else may change then).
    virtual bool StoreEdge(DockEdge edge) = 0;
    // The bar, parked beyond `edge`, takes that edge's geometry: the bar background, how the dock dialog
    // sits on it, the buttons' pictures and places, and the button layer's mirror. With `show` both windows
    // are shown (the bar slides in next); otherwise both are hidden.
    virtual void TakeEdge(DockEdge edge, bool show) = 0;
};

}  // namespace zep
