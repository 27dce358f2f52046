#pragma once

// The dock's description panel with its white line: opening it beside the bar with a fade, switching it
// to another button's card, and closing it with or without a fade. The dock decides when each happens;
// this class only carries it out.
//
// Ownership: owns the panel (m_pDesDlg, which owns its background window) and the white line
// (m_pWhiteLine); both exist together or not at all. Thread: user-interface thread only; the fades
// block it for about a quarter of a second.

#include <windows.h>

#include <functional>
#include <memory>

#include "launcher/config/DisplayScale.h"
#include "launcher/config/DockButton.h"
#include "launcher/config/DockEdge.h"
#include "launcher/skin/DesDlg.h"
#include "launcher/skin/WhiteLinePng.h"

namespace zep {

class CDescriptionPanel {
public:
    CDescriptionPanel() noexcept;
    ~CDescriptionPanel();
    CDescriptionPanel(const CDescriptionPanel&) = delete;
    CDescriptionPanel& operator=(const CDescriptionPanel&) = delete;

    // The bar whose background window is `bar`: cards open beside it. Their buttons report to `notify`,
    // whose screen depth also decides whether cards fade; `help` answers F1 on a card.
    void Attach(HWND bar, HWND notify, std::function<void()> help);

    // Opens the card of `button` beside the bar, docked on `edge` and drawn at `scale`: white line and
    // panel are created, placed and faded in (shown at once at 16 bits per pixel). Does nothing while a
    // panel exists. False when the windows could not be created (none is left).
    bool Open(DockButton button, DockEdge edge, DisplayScale scale = DisplayScale());

    // Shows the card of `button` instead, at its place beside the bar, at once, at the scale it was opened
    // at; the white line stays.
    void Retarget(DockButton button, DockEdge edge);

    // Removes panel and white line, after a fade-out when `fade` is asked and the depth is not 16 bits per
    // pixel. Nothing when no panel exists.
    void Close(bool fade);

    bool IsOpen() const noexcept { return m_pDesDlg && m_pWhiteLine; }
    const CDesDlg* Panel() const noexcept { return m_pDesDlg.get(); }

private:
    HWND m_hBar = nullptr;
    HWND m_hNotifyWnd = nullptr;
    std::function<void()> m_help;
    std::unique_ptr<CDesDlg> m_pDesDlg;
    std::unique_ptr<CWhiteLinePng> m_pWhiteLine;
    DisplayScale m_scale;  // of the open card
};

}  // namespace zep
