#include "launcher/skin/DescriptionPanel.h"

#include "launcher/res/resource.h"
#include "launcher/skin/PairFader.h"
#include "launcher/skin/PanelPlacement.h"

namespace zep {
namespace {

PanelRect WindowRectOf(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return PanelRect{rect.left, rect.top, rect.right, rect.bottom};
}

PanelPlaces Place(DockButton button, DockEdge edge, HWND bar, const CPngDialog& whiteLine, DisplayScale scale)
{
    const SIZE line = whiteLine.CompositionSize();
    return PlacePanel(edge, WindowRectOf(bar), button, line.cx, line.cy, ::GetSystemMetrics(SM_CXSCREEN),
                      ::GetSystemMetrics(SM_CYSCREEN), scale);
}

}  // namespace

CDescriptionPanel::CDescriptionPanel() noexcept = default;

CDescriptionPanel::~CDescriptionPanel()
{
    Close(false);
}

void CDescriptionPanel::Attach(HWND bar, HWND notify, std::function<void()> help)
{
    m_hBar = bar;
    m_hNotifyWnd = notify;
    m_help = std::move(help);
}

bool CDescriptionPanel::Open(DockButton button, DockEdge edge, DisplayScale scale)
{
    if (m_pDesDlg || m_pWhiteLine)
        return true;

    m_scale = scale;
    m_pWhiteLine = std::make_unique<CWhiteLinePng>();
    m_pDesDlg = std::make_unique<CDesDlg>();
    m_pWhiteLine->LoadPicture(static_cast<UINT>(WhiteLinePictureId(edge)), m_scale);
    m_pDesDlg->Background()->LoadPicture(static_cast<UINT>(PanelPictureId(button)), m_scale);
    m_pWhiteLine->SetHelpHandler(m_help);
    m_pDesDlg->SetHelpHandler(m_help);
    // A card shows beside whatever the user works in, and must not take the keyboard from it.
    m_pWhiteLine->SetPassive(true);
    m_pDesDlg->SetPassive(true);
    m_pDesDlg->Background()->SetPassive(true);

    // Each background window composes itself at alpha 0 while it is created: nothing shows before the fade.
    if (!m_pWhiteLine->Create(IDD_PNG_DIALOG) || !m_pDesDlg->CreatePair(IDD_DES_DIALOG)) {
        Close(false);
        return false;
    }
    m_pDesDlg->SetNotifyWindow(m_hNotifyWnd);

    const PanelPlaces places = Place(button, edge, m_hBar, *m_pWhiteLine, m_scale);
    ::SetWindowPos(*m_pWhiteLine, HWND_TOP, places.whiteLine.x, places.whiteLine.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    m_pDesDlg->MoveBarPair(places.panel.x, places.panel.y, 0, 0, SWP_NOSIZE);

    if (IsSixteenBitDepth(CPairFader::ColourDepth(m_hNotifyWnd))) {
        // No constant alpha at this depth: the card is there at once.
        m_pDesDlg->Background()->UpdatePicture(255);
        m_pWhiteLine->UpdatePicture(255);
        m_pDesDlg->FillContents(button, m_scale);
        return true;
    }
    m_pDesDlg->SetLayerAlpha(0);
    m_pDesDlg->FillContents(button, m_scale);
    CPairFader::Ramp(*m_pDesDlg, m_pWhiteLine.get(), kFadeInAlphas);
    return true;
}

void CDescriptionPanel::Retarget(DockButton button, DockEdge edge)
{
    if (!IsOpen())
        return;
    CPngDialog& background = *m_pDesDlg->Background();
    m_pDesDlg->ClearContents();
    background.UpdatePicture(0);
    background.LoadPicture(static_cast<UINT>(PanelPictureId(button)), m_scale);

    // The dialog takes the new card's size first (the wide card is twice as wide), then its background
    // window goes under it.
    const PanelPlaces places = Place(button, edge, m_hBar, *m_pWhiteLine, m_scale);
    const SIZE card = background.CompositionSize();
    m_pDesDlg->MoveBarPair(places.panel.x, places.panel.y, card.cx, card.cy, CCtrlDialog::kMoveDialog | SWP_SHOWWINDOW);
    background.UpdatePicture(255);
    m_pDesDlg->FillContents(button, m_scale);
}

void CDescriptionPanel::Close(bool fade)
{
    if (fade && IsOpen() && !IsSixteenBitDepth(CPairFader::ColourDepth(m_hNotifyWnd)))
        CPairFader::Ramp(*m_pDesDlg, m_pWhiteLine.get(), kFadeOutAlphas);
    // The panel deletes its texts and buttons and its background window before its own window goes. Only
    // a failed opening leaves one of the two alone.
    if (m_pDesDlg)
        m_pDesDlg->DestroyWindow();
    if (m_pWhiteLine)
        m_pWhiteLine->DestroyWindow();
    m_pDesDlg.reset();
    m_pWhiteLine.reset();
}

}  // namespace zep
