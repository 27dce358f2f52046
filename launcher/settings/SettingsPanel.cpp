#include "launcher/settings/SettingsPanel.h"

namespace zep {
namespace {

POINT CentredOn(int width, int height)
{
    return POINT{(width - CSettingDlg::kWidth) / 2, (height - CSettingDlg::kHeight) / 2};
}

}  // namespace

bool CSettingsPanel::Open(HWND owner, std::function<void()> help)
{
    if (m_pSettingDlg)
        return false;
    auto panel = std::make_unique<CSettingDlg>();
    if (!panel->Open(owner, CentredOn(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)),
                     std::move(help)))
        return false;
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

void CSettingsPanel::Centre(int width, int height)
{
    if (m_pSettingDlg)
        m_pSettingDlg->MoveTo(CentredOn(width, height));
}

}  // namespace zep
