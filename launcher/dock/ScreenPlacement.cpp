#include "launcher/dock/ScreenPlacement.h"

#include "launcher/dock/SlideStep.h"
#include "launcher/system/WindowsVersion.h"

namespace zep {
namespace {

WorkArea ReadWorkArea()
{
    RECT rect{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
    return WorkArea{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

void CScreenPlacement::Read(bool waitForWorkArea)
{
    m_workArea = ReadWorkArea();
    m_nScreenCx = ::GetSystemMetrics(SM_CXSCREEN);
    m_nScreenCy = ::GetSystemMetrics(SM_CYSCREEN);
    if (waitForWorkArea && IsWindowsXp() && m_workArea.bottom - m_workArea.top == m_nScreenCy) {
        ::Sleep(1000);
        m_workArea = ReadWorkArea();
    }
}

CoordinatePair CScreenPlacement::Parked(DockEdge edge) const noexcept
{
    return ParkedBarPosition(edge, m_nScreenCx, m_nScreenCy);
}

CoordinatePair CScreenPlacement::Shown(DockEdge edge) const noexcept
{
    return ShownBarPosition(edge, m_workArea, m_nScreenCx, m_nScreenCy);
}

}  // namespace zep
