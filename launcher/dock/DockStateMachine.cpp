#include "launcher/dock/DockStateMachine.h"

#include "launcher/dock/LayoutPlan.h"
#include "launcher/dock/SlideStep.h"

namespace zep {

bool DockStateMachine::DockKeyReleased(DockCommands* commands) noexcept
{
    *commands = DockCommands{};
    if (m_bSettingsOpen)
        return false;
    if (m_nAnimState == Hidden)
        commands->startReveal = true;  // the state stays Hidden until the first tick
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
    return commands;
}

void DockStateMachine::SlideStepBegins(int code) noexcept
{
    if (IsSlideCode(code))
        m_nAnimState = Moving;
}

void DockStateMachine::BlockingSlideStepped(int code, bool final) noexcept
{
    if (!IsSlideCode(code))
        return;
    m_nAnimState = Moving;
    if (final)
        m_nAnimState = IsRevealCode(code) ? Shown : Hidden;
}

DockCommands DockStateMachine::SlideTicked(int code, bool final) noexcept
{
    DockCommands commands;
    if (!IsSlideCode(code))
        return commands;
    BlockingSlideStepped(code, final);
    if (final) {
        commands.killSlideTimer = code;
        commands.enableButtons = IsRevealCode(code);
        commands.hideBar = !IsRevealCode(code);
    }
    return commands;
}

DockCommands DockStateMachine::HoverReported(int control, long lParam) noexcept
{
    DockCommands commands;
    if (m_nAnimState != Shown || control == kSettingsButton || control == kHideButton)
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
    if (!PanelOpen()) {
        // Only tool buttons report while no panel is open (the panel's own buttons exist only with it);
        // anything else would describe nothing.
        if (control >= kFirstDockButtonId && control <= kCombinedButton) {
            commands.panel = PanelCommand::Open;
            commands.panelControl = control;
            m_nPanelSlot = control - kFirstDockButtonId;
        }
        return commands;
    }
    commands.panelTimer = PanelTimerCommand::Kill;
    if (control == kPanelLeftButton || control == kPanelRightButton)
        return commands;
    if (control - kFirstDockButtonId == m_nPanelSlot)
        return commands;
    if (control >= kFirstDockButtonId && control <= kCombinedButton) {
        commands.panel = PanelCommand::Retarget;
        commands.panelControl = control;
        m_nPanelSlot = control - kFirstDockButtonId;
    }
    return commands;
}

DockCommands DockStateMachine::CloseCardAtOnce() noexcept
{
    DockCommands commands;
    if (PanelOpen()) {
        commands.panelTimer = PanelTimerCommand::Kill;
        commands.panel = PanelCommand::CloseAtOnce;
        m_nPanelSlot = kNoPanel;
    }
    return commands;
}

DockCommands DockStateMachine::PanelTimerTicked() noexcept
{
    DockCommands commands;
    commands.panelTimer = PanelTimerCommand::Kill;
    if (PanelOpen()) {
        commands.panel = PanelCommand::CloseWithFade;
        m_nPanelSlot = kNoPanel;
    }
    return commands;
}

}  // namespace zep
