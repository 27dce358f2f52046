#pragma once

// Runs the bar: feeds every event to the dock's state machine and carries out its answer on the bar's
// windows, in the order the answer prescribes. It also holds the edge the bar runs on, and runs one slide
// at a time: a slide that starts ends the other, and a tick of a slide that does not run (a stray timer
// message from anywhere) moves nothing. Pure logic: no Windows headers; the windows are behind the
// BarWindows seam.
// Thread: user-interface thread only (every event comes from the dock dialog's messages).

#include <optional>

#include "launcher/config/DockButton.h"
#include "launcher/config/DockEdge.h"
#include "launcher/dock/BarWindows.h"
#include "launcher/dock/DockStateMachine.h"

namespace zep {

class BarDriver {
public:
    BarDriver(BarWindows& windows, DockEdge edge) noexcept : m_windows(windows), m_edge(edge) {}
    BarDriver(const BarDriver&) = delete;
    BarDriver& operator=(const BarDriver&) = delete;

    // The edge the bar runs on: the reveal and hide slides and the card's place follow it.
    DockEdge Edge() const noexcept { return m_edge; }
    void SetEdge(DockEdge edge) noexcept { m_edge = edge; }
    DockState State() const noexcept { return m_machine.State(); }
    bool CardOpen() const noexcept { return m_machine.PanelOpen(); }
    std::optional<DockButton> CardButton() const noexcept { return m_machine.PanelButton(); }

    // Moving from the start of window creation until start-up ends, then Hidden.
    void StartupBegins() noexcept { m_machine.StartupBegins(); }
    void StartupEnds() noexcept { m_machine.StartupEnds(); }

    // A release of the dock key. False when it is no dock key at the moment (the settings panel is open).
    bool DockKeyReleased();
    // The hide button: a hide whatever the bar state.
    void HideButton();
    // A tick of the timer that drives `slide`; nothing unless that slide runs.
    void SlideTimerTicked(Slide slide);
    // The slide whose timer runs, if any.
    std::optional<Slide> TimedSlide() const noexcept { return m_timedSlide; }
    // The blocking slide: a pause and a step until the slide's end (or until the bar does not move any
    // more). It shows, hides, enables and kills nothing.
    void SlideToEnd(Slide slide);

    // WM_BUTTON_HOVER as it came.
    void HoverReported(int control, long lParam);
    // The card's close timer ticked.
    void CardTimerTicked();
    // A tool button's command, an edge change or a new work area: an open card closes at once.
    void CloseCardAtOnce();
    // One of the card's "OK" buttons was clicked.
    void CardButtonClicked() noexcept { m_machine.CardButtonClicked(); }
    void SettingsOpened() noexcept { m_machine.SettingsOpened(); }
    void SettingsClosed() noexcept { m_machine.SettingsClosed(); }

    // Moves the bar to `edge`: the edge is stored first (nothing happens when that fails); a shown bar
    // slides out at the old edge, takes the new one and slides in there (both slides block), a hidden bar
    // takes the new edge where it waits, parked and hidden. Nothing for the current edge, or while a slide
    // runs or is about to. True when the bar took the new edge.
    bool ChangeEdge(DockEdge edge);

private:
    void Carry(const DockCommands& commands);
    void StartReveal();
    void StartSlideTimer(Slide slide);

    BarWindows& m_windows;
    DockStateMachine m_machine;
    DockEdge m_edge;
    std::optional<Slide> m_timedSlide;
};

}  // namespace zep
