#include "launcher/dock/PositionKeeper.h"

#include "launcher/config/DockTimers.h"
#include "launcher/dock/BarDriver.h"
#include "launcher/dock/ScreenPlacement.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/system/WindowsVersion.h"

namespace zep {
namespace {

constexpr UINT kCorrectionPauseMs = 500;
// A bar that will not stay in place is not chased for ever.
constexpr int kCorrectionTries = 10;
constexpr UINT kWorkAreaDelayMs = 1000;

}  // namespace

void CPositionKeeper::UpdateScreenGeometry()
{
    if (m_screen.Read()) {
        ::SetTimer(m_bar, kWorkAreaTimer, kWorkAreaDelayMs, nullptr);
        return;
    }
    PlaceForState();
}

void CPositionKeeper::WorkAreaTimerTicked()
{
    ::KillTimer(m_bar, kWorkAreaTimer);
    m_screen.ReadWorkArea();
    PlaceForState();
}

void CPositionKeeper::PlaceForState()
{
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

bool CPositionKeeper::AtShownPlace() const
{
    RECT rect{};
    ::GetWindowRect(*m_bar.Background(), &rect);
    const CoordinatePair place = m_screen.Shown(m_driver.Edge());
    return rect.left == place.x && rect.top == place.y;
}

void CPositionKeeper::CorrectShownPosition()
{
    const CPngDialog* background = m_bar.Background();
    if (m_driver.State() != Shown || !background || background->MovingItself() || AtShownPlace())
        return;
    if (m_nCorrections < 0)
        m_nCorrections = 0;  // found away from its place anew: a fresh round of corrections
    ::SetTimer(m_bar, kCorrectionTimer, kCorrectionPauseMs, nullptr);
}

void CPositionKeeper::CorrectionTimerTicked()
{
    CPngDialog* background = m_bar.Background();
    if (m_driver.State() != Shown || !background || AtShownPlace() || m_nCorrections >= kCorrectionTries) {
        ::KillTimer(m_bar, kCorrectionTimer);
        m_nCorrections = -1;
        return;
    }
    const CoordinatePair place = m_screen.Shown(m_driver.Edge());
    ++m_nCorrections;
    ::SetWindowPos(*background, m_bar, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    m_recentre();
    // The timer goes on: the next tick looks again, and stops once the bar stays.
}

}  // namespace zep
