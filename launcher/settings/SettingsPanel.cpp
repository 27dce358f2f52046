#include "launcher/settings/SettingsPanel.h"

#include "launcher/settings/SettingsPlaces.h"

namespace zep {
namespace {

POINT CentredOn(int width, int height, DisplayScale scale)
{
    const CoordinatePair place = CentredSettingsPanel(width, height, scale);
    return POINT{place.x, place.y};
}

}  // namespace

bool CSettingsPanel::Open(HWND owner, std::function<void()> help, DisplayScale scale)
{
    if (m_pSettingDlg)
        return false;
    auto panel = std::make_unique<CSettingDlg>();
    if (!panel->Open(owner, CentredOn(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), scale),
                     std::move(help), scale))
        return false;
    m_scale = scale;
    m_pSettingDlg = std::move(panel);
    return true;
}

bool CSettingsPanel::Close()
{
    if (!m_pSettingDlg)
        return false;
    m_pSettingDlg->Close();
    m_pSettingDlg.reset();
    return true;
}

bool CSettingsPanel::Rescale(HWND owner, std::function<void()> help, DisplayScale scale)
{
    if (!m_pSettingDlg || scale == m_scale)
        return true;
    Close();
    return Open(owner, std::move(help), scale);
}

void CSettingsPanel::Centre(int width, int height)
{
    if (m_pSettingDlg)
        m_pSettingDlg->MoveTo(CentredOn(width, height, m_scale));
}

}  // namespace zep
