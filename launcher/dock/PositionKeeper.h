#pragma once

// Keeps the bar where it belongs: after a change of the work area or the screen size it is put on the
// place of its state (shown or parked; a sliding bar is left to its slide), and a shown bar that something
// else moved is put back. Pauses are timers of the dock dialog, never a held thread.
// Thread: user-interface thread only.

#include <functional>

namespace zep {

class BarDriver;
class BarWindows;
class CCtrlDialog;
class CScreenPlacement;

class CPositionKeeper {
public:
    // The parts it keeps in place; all outlive this object. `recentre` puts an open settings panel back in
    // the middle of the screen.
    CPositionKeeper(BarDriver& driver, BarWindows& windows, CCtrlDialog& bar, CScreenPlacement& screen,
                    std::function<void()> recentre)
        : m_driver(driver), m_windows(windows), m_bar(bar), m_screen(screen), m_recentre(std::move(recentre))
    {
    }

    // Reads the work area and screen size again and puts the bar (and an open settings panel) where they
    // belong now; a shown bar closes its card first. Where the work area may come late (Windows XP), it is
    // read once more a second later, and the bar placed then.
    void UpdateScreenGeometry();
    void WorkAreaTimerTicked();

    // The bar moved: a shown bar away from its shown position is put back after a pause, again after each
    // pause until it stays there, at most ten times. The bar's own moves (a nudge of its background window)
    // are not corrections.
    void CorrectShownPosition();
    void CorrectionTimerTicked();

private:
    void PlaceForState();
    bool AtShownPlace() const;

    BarDriver& m_driver;
    BarWindows& m_windows;
    CCtrlDialog& m_bar;
    CScreenPlacement& m_screen;
    std::function<void()> m_recentre;
    int m_nCorrections = -1;  // moves made since the bar was found away from its place; -1: none due
};

}  // namespace zep
