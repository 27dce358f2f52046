#include "launcher/dock/ScreenPlacement.h"

#include "launcher/dock/SlideStep.h"
#include "launcher/system/MonitorDpi.h"
#include "launcher/system/WindowsVersion.h"

namespace zep {

bool CScreenPlacement::Read()
{
    ReadWorkArea();
    m_nScreenCx = ::GetSystemMetrics(SM_CXSCREEN);
    m_nScreenCy = ::GetSystemMetrics(SM_CYSCREEN);
    m_nMonitorDpi = PrimaryMonitorDpi();
    return IsWindowsXp() && m_workArea.bottom - m_workArea.top == m_nScreenCy;
}

void CScreenPlacement::ReadWorkArea()
{
    RECT rect{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
    m_workArea = WorkArea{rect.left, rect.top, rect.right, rect.bottom};
}

BarScale CScreenPlacement::ScaleFor(DockEdge edge) const noexcept
{
    return ChooseBarScale(m_nMonitorDpi, edge, m_nScreenCx, m_nScreenCy);
}

CoordinatePair CScreenPlacement::Parked(DockEdge edge) const noexcept
{
    return ParkedBarPosition(edge, m_nScreenCx, m_nScreenCy, ScaleFor(edge).scale);
}

CoordinatePair CScreenPlacement::Shown(DockEdge edge) const noexcept
{
    return ShownBarPosition(edge, m_workArea, m_nScreenCx, m_nScreenCy, ScaleFor(edge).scale);
}

}  // namespace zep
