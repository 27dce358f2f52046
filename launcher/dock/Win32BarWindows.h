#pragma once

// The bar's windows and timers as the launcher runs them: the dock dialog and its background window, the
// 13 buttons, the card, and the dock dialog's timers. It decides nothing; the bar driver tells it what to
// do and in which order.
// Thread: user-interface thread only.

#include <windows.h>

#include "launcher/config/DockTimers.h"
#include "launcher/dock/BarWindows.h"

namespace zep {

class CCtrlDialog;
class CDescriptionPanel;
class CDockButtons;
class CDockLayout;
class CLaunchConfig;
class CScreenPlacement;

class CWin32BarWindows : public BarWindows {
public:
    // The dock dialog `bar` (with its background window), its buttons and their layout, its card, its
    // configuration and the screen it slides on; all outlive this object.
    CWin32BarWindows(CCtrlDialog& bar, CDockButtons& buttons, CDockLayout& layout, CDescriptionPanel& card,
                     const CLaunchConfig& config, const CScreenPlacement& screen) noexcept
        : m_bar(bar), m_buttons(buttons), m_layout(layout), m_card(card), m_config(config), m_screen(screen)
    {
    }

    // A position change of the dock dialog: before the first reveal the first six hide the bar again (the
    // system shows a new window when it first places it).
    void DockDialogMoved();

    void ShowBar() override;
    void HideBar() override;
    void SetTaskbarButton(bool taskbarButton) override;
    void BringToFront() override;
    void EndStartupHiding() override;
    void StartSlideTimer(Slide slide) override;
    void KillSlideTimer(Slide slide) override;
    SlideStepDone StepSlide(Slide slide) override;
    void PauseSlideStep() override;
    void StartCardTimer() override;
    void KillCardTimer() override;
    bool OpenCard(DockButton button, DockEdge edge) override;
    void RetargetCard(DockButton button, DockEdge edge) override;
    void CloseCard(bool fade) override;
    void EnableButtons(bool enable) override;
    void RepaintSettingsButton() override;
    bool StoreEdge(DockEdge edge) override;
    void TakeEdge(DockEdge edge, bool show) override;

private:
    HWND Background() const noexcept;

    CCtrlDialog& m_bar;
    CDockButtons& m_buttons;
    CDockLayout& m_layout;
    CDescriptionPanel& m_card;
    const CLaunchConfig& m_config;
    const CScreenPlacement& m_screen;
    int m_nStartupHideCount = 0;
};

}  // namespace zep
