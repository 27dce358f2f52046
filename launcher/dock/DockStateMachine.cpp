#include "launcher/dock/DockStateMachine.h"

#include "launcher/skin/PanelContent.h"

namespace zep {

bool DockStateMachine::DockKeyReleased(DockCommands* commands) noexcept
{
    *commands = DockCommands{};
    if (m_bSettingsOpen)
        return false;
    if (m_nAnimState == Hidden) {
        commands->startReveal = true;  // the state stays Hidden until the first tick
        m_bHideStarted = false;
    }
    else if (m_nAnimState == Shown)
        *commands = Hide();
    return true;
}

DockCommands DockStateMachine::HideButton() noexcept
{
    return Hide();
}

DockCommands DockStateMachine::Hide() noexcept
{
    DockCommands commands = CloseCardAtOnce();
    commands.startHide = true;  // the state stays Shown until the first tick
    m_bHideStarted = true;
    return commands;
}

void DockStateMachine::BlockingSlideStepped(Slide slide, bool final) noexcept
{
    m_nAnimState = Moving;
    if (final) {
        m_nAnimState = slide.reveal ? Shown : Hidden;
        m_bHideStarted = false;
    }
}

DockCommands DockStateMachine::SlideTicked(Slide slide, bool final) noexcept
{
    DockCommands commands;
    BlockingSlideStepped(slide, final);
    if (final) {
        commands.killSlideTimer = slide;
        commands.enableButtons = slide.reveal;
        commands.hideBar = !slide.reveal;
    }
    return commands;
}

DockCommands DockStateMachine::HoverReported(int control, long lParam) noexcept
{
    DockCommands commands;
    // A hide that has begun leaves the bar Shown until its first step; a late report then must not open a
    // card beside a bar on its way out.
    if (m_nAnimState != Shown || m_bHideStarted || control == ControlId(DockButton::Settings) ||
        control == ControlId(DockButton::Hide))
        return commands;

    if (lParam != 0) {
        if (lParam == 1 && control == m_nLastHoverId) {
            m_bHoverRearm = true;
            if (PanelOpen())
                commands.panelTimer = PanelTimerCommand::Start;
        }
        return commands;
    }

    // A button reports on every repaint, so a hot report of the control taken last counts only after its
    // normal report. Another control's hot report always counts: the pointer is on that button now, even
    // when the leave of the previous one has not been reported yet (a leave can come late), and its
    // normal report, when it comes, no longer matters.
    if (!m_bHoverRearm && control == m_nLastHoverId)
        return commands;
    m_nLastHoverId = control;
    m_bHoverRearm = false;
    const std::optional<DockButton> button = ToDockButton(control);
    const bool describes = button && HasCard(*button);
    if (!PanelOpen()) {
        // Only tool buttons report while no panel is open (the panel's own buttons exist only with it);
        // anything else would describe nothing.
        if (describes) {
            commands.panel = PanelCommand::Open;
            commands.panelButton = *button;
            m_cardButton = *button;
        }
        return commands;
    }
    commands.panelTimer = PanelTimerCommand::Kill;
    if (control == kPanelLeftButton || control == kPanelRightButton)
        return commands;
    if (describes && *button != *m_cardButton) {
        commands.panel = PanelCommand::Retarget;
        commands.panelButton = *button;
        m_cardButton = *button;
    }
    return commands;
}

DockCommands DockStateMachine::CloseCardAtOnce() noexcept
{
    DockCommands commands;
    if (PanelOpen()) {
        commands.panelTimer = PanelTimerCommand::Kill;
        commands.panel = PanelCommand::CloseAtOnce;
        m_cardButton.reset();
    }
    return commands;
}

DockCommands DockStateMachine::PanelTimerTicked() noexcept
{
    DockCommands commands;
    commands.panelTimer = PanelTimerCommand::Kill;
    if (PanelOpen()) {
        commands.panel = PanelCommand::CloseWithFade;
        m_cardButton.reset();
    }
    return commands;
}

}  // namespace zep
