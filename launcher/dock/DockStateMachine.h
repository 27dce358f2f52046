#pragma once

// The dock's decisions: the bar state, what the dock key and the hide button start, where a slide ends, and
// when the description panel opens, switches and closes. Pure logic: no Windows headers. The dock dialog
// feeds it every event and carries out the commands it answers with; the machine never touches a window.
// Thread: user-interface thread only (like every event it is fed).

#include <optional>

#include "launcher/config/DockButton.h"
#include "launcher/dock/DockState.h"
#include "launcher/dock/SlideStep.h"

namespace zep {

enum class PanelTimerCommand {
    Keep,
    Start,  // (re)start the 2000 ms close timer: a running one starts over
    Kill,
};

enum class PanelCommand {
    None,
    Open,            // OpenDescriptionPanel(panelButton)
    Retarget,        // RetargetDescriptionPanel(panelButton)
    CloseWithFade,   // CloseDescriptionPanel(true)
    CloseAtOnce,     // CloseDescriptionPanel(false)
};

// What the dock dialog must do for one event, carried out in this order:
//  1. startReveal: the whole reveal start sequence (it starts the reveal timer itself);
//  2. startHide: take the bar's taskbar button away;
//  3. panelTimer, then panel;
//  4. startHide: disable the buttons and start the hide timer;
//  5. a slide's end: hideBar (background window, then dock dialog), killSlideTimer, enableButtons.
struct DockCommands {
    bool startReveal = false;
    bool startHide = false;
    PanelTimerCommand panelTimer = PanelTimerCommand::Keep;
    PanelCommand panel = PanelCommand::None;
    DockButton panelButton = DockButton::Tool0;
    bool hideBar = false;
    std::optional<Slide> killSlideTimer;  // the timer of the slide that ended
    bool enableButtons = false;
};

class DockStateMachine {
public:
    // Moving from the start of window creation until start-up ends.
    void StartupBegins() noexcept { m_nAnimState = Moving; }
    // After start-up the bar waits, hidden, for the first dock key.
    void StartupEnds() noexcept { m_nAnimState = Hidden; }

    // A release of the dock key. False while the settings dialog is open: then the key is not the dock
    // key at all and the message goes on as any other. True otherwise (the message is consumed in every
    // bar state; while Moving nothing happens).
    bool DockKeyReleased(DockCommands* commands) noexcept;

    // The hide button: a hide whatever the bar state.
    DockCommands HideButton() noexcept;

    // A slide step is about to move the bar: from here on the bar is Moving, so nothing takes the move
    // for a bar knocked off its place. Call before every step, timer-driven or blocking.
    void SlideStepBegins() noexcept { m_nAnimState = Moving; }
    // One step of the timer-driven `slide`; `final` when it was the slide's last placement. The bar is
    // Moving from the first step on; the last step of a reveal shows it, that of a hide hides it.
    DockCommands SlideTicked(Slide slide, bool final) noexcept;
    // One step of a blocking slide: the same states, but it shows, hides, enables and kills nothing.
    void BlockingSlideStepped(Slide slide, bool final) noexcept;

    // WM_BUTTON_HOVER: `control` reports the pointer over it (`lParam` 0) or not (1). Any number may
    // arrive here (the message can come from any program); only the bar's tool buttons and the card's
    // "OK" buttons ever count, and only while the bar is shown and no hide has begun.
    DockCommands HoverReported(int control, long lParam) noexcept;

    // IDT_PANEL_CLOSE ticked: it is killed and the panel closes with a fade.
    DockCommands PanelTimerTicked() noexcept;

    // A tool button's command (1000 to 1009), an edge change or a new work area: an open panel closes at
    // once, its timer killed.
    DockCommands CloseCardAtOnce() noexcept;
    // One of the card's "OK" buttons was clicked: the next hot report may open a card again.
    void CardButtonClicked() noexcept { m_bHoverRearm = true; }

    // The panel is gone without a command of this machine (it could not be created, or a tool command
    // closed it).
    void PanelClosed() noexcept { m_cardButton.reset(); }

    void SettingsOpened() noexcept { m_bSettingsOpen = true; }
    void SettingsClosed() noexcept { m_bSettingsOpen = false; }

    DockState State() const noexcept { return m_nAnimState; }
    bool PanelOpen() const noexcept { return m_cardButton.has_value(); }
    // The button whose card the panel shows; none while no panel is open.
    std::optional<DockButton> PanelButton() const noexcept { return m_cardButton; }

private:
    DockCommands Hide() noexcept;

    DockState m_nAnimState = Hidden;
    // Set: the next hot report of the last hovered control may open or switch the panel again. Buttons
    // report on every repaint, so only its first hot report after its normal report counts.
    bool m_bHoverRearm = true;
    int m_nLastHoverId = 0;
    std::optional<DockButton> m_cardButton;
    bool m_bSettingsOpen = false;
    // A hide has been started and the bar has not yet ended a slide or started a reveal.
    bool m_bHideStarted = false;
};

}  // namespace zep
