#include "launcher/settings/SettingDlg.h"

#include "launcher/config/LaunchConfig.h"
#include "launcher/res/resource.h"
#include "launcher/settings/SettingsPlaces.h"
#include "launcher/skin/PairFader.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {

constexpr int kFirstButtonId = 2001;
constexpr int kCloseButtonId = 2005;
constexpr UINT kPanelPicture = 300;
constexpr UINT kFirstButtonPicture = 301;

// The edge each of the buttons 2001 to 2004 picks: bottom, top, left, right.
constexpr DockEdge kPickedEdge[] = {DockEdge::Bottom, DockEdge::Top, DockEdge::Left, DockEdge::Right};

}  // namespace

CSettingDlg::~CSettingDlg()
{
    for (std::unique_ptr<CImageButton>& button : m_pButtons)
        button.reset();
}

bool CSettingDlg::Open(HWND owner, POINT place, std::function<void()> help, DisplayScale scale)
{
    m_hOwnerWnd = owner;
    m_ptSetting = place;
    m_scale = scale;
    SetHelpHandler(std::move(help));
    if (CPngDialog* background = Background())
        background->LoadPicture(kPanelPicture, m_scale);
    if (!CreatePair(IDD_SETTING_DIALOG)) {
        DestroyWindow();
        return false;
    }
    CPairFader::FadeIn(*this, owner);
    return true;
}

void CSettingDlg::Close()
{
    CPairFader::FadeOut(*this, m_hOwnerWnd);
    DestroyWindow();
}

void CSettingDlg::MoveTo(POINT place)
{
    m_ptSetting = place;
    if (CPngDialog* background = Background())
        ::SetWindowPos(*background, m_hWnd, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

BOOL CSettingDlg::OnInitDialog()
{
    CCtrlDialog::OnInitDialog();  // tool window, tooltips
    ReadSettingPositions(m_ptButtons);
    if (CPngDialog* background = Background()) {
        background->SetDragEnabled(false);
        ::SetWindowPos(*background, m_hWnd, m_ptSetting.x, m_ptSetting.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (int i = 0; i < kSettingButtons; ++i) {
        auto button = std::make_unique<CImageButton>();
        const CoordinatePair at = ScaledSettingButton(m_ptButtons[i], m_scale);
        const RECT place = {at.x, at.y, at.x, at.y};
        if (!button->Create(L"", 0, place, m_hWnd, static_cast<UINT>(kFirstButtonId + i)))
            continue;
        button->LoadButtonImage(kFirstButtonPicture + static_cast<UINT>(i), m_scale);
        ::ShowWindow(*button, SW_SHOW);
        m_pButtons[i] = std::move(button);
    }
    return TRUE;
}

BOOL CSettingDlg::DestroyWindow()
{
    for (std::unique_ptr<CImageButton>& button : m_pButtons)
        button.reset();
    return CCtrlDialog::DestroyWindow();
}

bool CSettingDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_SETTINGCHANGE) {
        *result = Default();
        // A setting change can leave the panel half transparent; the colour key alone shows it whole.
        ResetLayerAlpha();
        return true;
    }
    return CCtrlDialog::OnWndMsg(message, wParam, lParam, result);
}

bool CSettingDlg::OnCommand(WPARAM wParam, LPARAM)
{
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) != BN_CLICKED || id < kFirstButtonId || id > kCloseButtonId)
        return false;
    if (!m_hOwnerWnd)
        return true;
    if (id == kCloseButtonId) {
        // Posted: the dock destroys this panel in its answer, which must not happen while the close
        // button's click is still being handled on this panel's and the button's stack.
        ::PostMessageW(m_hOwnerWnd, WM_SETTING_CLOSE, 0, 0);
    } else {
        ::SendMessageW(m_hOwnerWnd, WM_DIRECTION_CHANGE, 0, EdgeIndex(kPickedEdge[id - kFirstButtonId]));
    }
    return true;
}

}  // namespace zep
