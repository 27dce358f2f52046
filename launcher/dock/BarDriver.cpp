#include "launcher/dock/BarDriver.h"

namespace zep {

bool BarDriver::DockKeyReleased()
{
    DockCommands commands;
    if (!m_machine.DockKeyReleased(&commands))
        return false;
    Carry(commands);
    return true;
}

void BarDriver::HideButton()
{
    Carry(m_machine.HideButton());
}

void BarDriver::SlideTimerTicked(Slide slide)
{
    if (m_timedSlide != slide)
        return;
    // The bar is Moving before it moves, so nothing takes this step for a bar knocked off its place.
    m_machine.SlideStepBegins();
    const SlideStepDone step = m_windows.StepSlide(slide);
    Carry(m_machine.SlideTicked(slide, step.final));
}

void BarDriver::SlideToEnd(Slide slide)
{
    for (;;) {
        m_windows.PauseSlideStep();
        m_machine.SlideStepBegins();
        const SlideStepDone step = m_windows.StepSlide(slide);
        // Every step short of the end moves the bar; one that does not would never end.
        const bool final = step.final || !step.moved;
        m_machine.BlockingSlideStepped(slide, final);
        if (final)
            return;
    }
}

bool BarDriver::ChangeEdge(DockEdge edge)
{
    if (edge == m_edge || m_machine.State() == Moving || m_timedSlide)
        return false;
    if (!m_windows.StoreEdge(edge))
        return false;  // the choice could not be kept: the bar stays where it is
    const DockEdge oldEdge = m_edge;
    m_edge = edge;
    CloseCardAtOnce();
    if (m_machine.State() == Hidden) {
        // Never a half state: a hidden bar waits at the new edge, hidden, for the next dock key.
        m_windows.TakeEdge(edge, false);
        return true;
    }
    SlideToEnd(HideSlide(oldEdge));
    m_windows.TakeEdge(edge, true);
    SlideToEnd(RevealSlide(edge));
    return true;
}

void BarDriver::HoverReported(int control, long lParam)
{
    Carry(m_machine.HoverReported(control, lParam));
}

void BarDriver::CardTimerTicked()
{
    Carry(m_machine.PanelTimerTicked());
}

void BarDriver::CloseCardAtOnce()
{
    Carry(m_machine.CloseCardAtOnce());
}

void BarDriver::StartReveal()
{
    // The timer first: its period runs while the windows are shown and brought forward, and it first
    // ticks after this event anyway.
    StartSlideTimer(RevealSlide(m_edge));
    m_windows.EndStartupHiding();
    // The taskbar button before the show: on the still hidden window it is a change of style alone.
    m_windows.SetTaskbarButton(true);
    m_windows.ShowBar();
    m_windows.BringToFront();
    m_windows.RepaintSettingsButton();
}

void BarDriver::StartSlideTimer(Slide slide)
{
    // One slide at a time: a hide that starts during a reveal ends the reveal where the bar stands.
    if (m_timedSlide && *m_timedSlide != slide)
        m_windows.KillSlideTimer(*m_timedSlide);
    m_windows.StartSlideTimer(slide);
    m_timedSlide = slide;
}

void BarDriver::Carry(const DockCommands& commands)
{
    if (commands.startReveal)
        StartReveal();
    if (commands.startHide)
        StartSlideTimer(HideSlide(m_edge));  // first, as for a reveal

    switch (commands.panelTimer) {
    case PanelTimerCommand::Start:
        m_windows.StartCardTimer();
        break;
    case PanelTimerCommand::Kill:
        m_windows.KillCardTimer();
        break;
    case PanelTimerCommand::Keep:
        break;
    }
    switch (commands.panel) {
    case PanelCommand::Open:
        if (!m_windows.OpenCard(commands.panelButton, m_edge))
            m_machine.PanelClosed();
        break;
    case PanelCommand::Retarget:
        m_windows.RetargetCard(commands.panelButton, m_edge);
        break;
    case PanelCommand::CloseWithFade:
        m_windows.CloseCard(true);
        break;
    case PanelCommand::CloseAtOnce:
        m_windows.CloseCard(false);
        break;
    case PanelCommand::None:
        break;
    }

    if (commands.startHide)
        m_windows.EnableButtons(false);
    if (commands.hideBar) {
        // The taskbar button goes with the hidden bar: switched on a shown window, it costs a hide and a show
        // of the background window right when the slide should start.
        m_windows.HideBar();
        m_windows.SetTaskbarButton(false);
    }
    if (commands.killSlideTimer) {
        m_windows.KillSlideTimer(*commands.killSlideTimer);
        m_timedSlide.reset();
    }
    if (commands.enableButtons)
        m_windows.EnableButtons(true);
}

}  // namespace zep
