#include "launcher/dock/PositionKeeper.h"

#include "launcher/dock/BarDriver.h"
#include "launcher/dock/ScreenPlacement.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/system/WindowsVersion.h"

namespace zep {
namespace {

// A bar that will not stay in place must not hold the user-interface thread for ever.
const DWORD kCorrectionPauseMs = 500;
const int kCorrectionTries = 10;

}  // namespace

void CPositionKeeper::UpdateScreenGeometry()
{
    m_screen.Read(true);
    const DockEdge edge = m_driver.Edge();
    if (m_driver.State() == Shown) {
        m_driver.CloseCardAtOnce();
        const CoordinatePair shown = m_screen.Shown(edge);
        m_bar.MoveBarPair(shown.x, shown.y, 0, 0, SWP_NOSIZE);
        m_recentre();
        if (IsWindowsXp())
            m_windows.BringToFront();
    } else if (m_driver.State() == Hidden) {
        const CoordinatePair parked = m_screen.Parked(edge);
        m_bar.MoveBarPair(parked.x, parked.y, 0, 0, SWP_NOSIZE);
    }
}

void CPositionKeeper::CorrectShownPosition()
{
    const CPngDialog* background = m_bar.Background();
    if (m_driver.State() != Shown || !background)
        return;
    const CoordinatePair place = m_screen.Shown(m_driver.Edge());
    RECT rect{};
    ::GetWindowRect(*background, &rect);
    for (int tries = 0; tries < kCorrectionTries && (rect.left != place.x || rect.top != place.y); ++tries) {
        ::Sleep(kCorrectionPauseMs);
        ::SetWindowPos(*background, m_bar, place.x, place.y, 0, 0, SWP_NOSIZE);
        m_recentre();
        ::GetWindowRect(*background, &rect);
    }
}

}  // namespace zep
