#include "launcher/dock/EdgeChange.h"

#include "launcher/config/LaunchConfig.h"
#include "launcher/dock/BarDriver.h"
#include "launcher/dock/DockLayout.h"
#include "launcher/dock/ScreenPlacement.h"
#include "launcher/skin/CtrlDialog.h"

namespace zep {

bool CEdgeChange::ChangeEdge(DockEdge edge)
{
    CPngDialog* background = m_bar.Background();
    if (!background || edge == m_driver.Edge() || m_driver.State() == Moving)
        return false;
    if (!WriteDirection(edge))
        return false;  // the choice could not be kept: the bar stays where it is
    const DockEdge oldEdge = m_driver.Edge();
    m_driver.SetEdge(edge);
    m_layout.SetBackgroundLayout(edge);
    m_driver.CloseCardAtOnce();

    m_driver.SlideToEnd(HideSlide(oldEdge));

    m_layout.SetForegroundOffsets(edge);
    m_layout.ComposeBar(edge, 0);
    const SIZE bar = background->CompositionSize();
    const SIZE change = m_bar.ForegroundSizeChange();
    ::SetWindowPos(m_bar, nullptr, 0, 0, bar.cx + change.cx, bar.cy + change.cy, SWP_NOMOVE);
    ::ShowWindow(m_bar, SW_HIDE);
    const CoordinatePair parked = m_screen.Parked(edge);
    m_bar.MoveBarPair(parked.x, parked.y, 0, 0, SWP_NOSIZE);
    m_layout.LayoutButtons(edge, m_config);
    m_layout.ComposeBar(edge, 255);
    // A bar that was hidden comes in with both windows.
    ::ShowWindow(*background, SW_SHOW);
    ::ShowWindow(m_bar, SW_SHOW);
    ::InvalidateRect(m_bar, nullptr, TRUE);

    m_driver.SlideToEnd(RevealSlide(edge));
    m_layout.MirrorButtonLayer(edge);
    return true;
}

}  // namespace zep
