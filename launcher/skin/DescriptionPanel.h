#pragma once

// The dock's description panel with its white line: opening it beside the bar with a fade, switching it
// to another button's card, and closing it with or without a fade. The dock dialog holds one of these and
// decides when each happens; this class only carries it out.
//
// Ownership: owns the panel (m_pDesDlg, which owns its background window) and the white line
// (m_pWhiteLine); both exist together or not at all. Thread: user-interface thread only; the fades
// block it for about a quarter of a second.

#include <windows.h>

#include <memory>

#include "launcher/skin/DesDlg.h"
#include "launcher/skin/WhiteLinePng.h"

namespace zep {

class CDescriptionPanel {
public:
    CDescriptionPanel() noexcept;
    ~CDescriptionPanel();
    CDescriptionPanel(const CDescriptionPanel&) = delete;
    CDescriptionPanel& operator=(const CDescriptionPanel&) = delete;

    // Opens the card of dock button `controlId` beside the bar whose background window is `bar`, docked
    // on `edge`: white line and panel are created, placed and faded in (shown at once at 16 bits per
    // pixel, measured against `depthReference`). Button reports and clicks of the card go to `notify`.
    // Does nothing while a panel exists. False when the windows could not be created (none is left).
    bool Open(int controlId, int edge, HWND bar, HWND notify, HWND depthReference);

    // Shows the card of `controlId` instead, at its place beside the bar, at once; the white line stays.
    void Retarget(int controlId, int edge, HWND bar);

    // Removes panel and white line, after a fade-out when `fade` is asked and the depth (measured against
    // `depthReference`) is not 16 bits per pixel. Nothing when no panel exists.
    void Close(bool fade, HWND depthReference);

    bool IsOpen() const noexcept { return m_pDesDlg && m_pWhiteLine; }
    const CDesDlg* Panel() const noexcept { return m_pDesDlg.get(); }
    const CWhiteLinePng* WhiteLine() const noexcept { return m_pWhiteLine.get(); }

private:
    std::unique_ptr<CDesDlg> m_pDesDlg;
    std::unique_ptr<CWhiteLinePng> m_pWhiteLine;
};

}  // namespace zep
