#include "launcher/skin/DescriptionPanel.h"

#include "launcher/dock/DockLayout.h"
#include "launcher/dock/PairFader.h"
#include "launcher/res/resource.h"
#include "launcher/skin/PanelPlacement.h"

namespace zep {
namespace {

PanelRect WindowRectOf(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return PanelRect{rect.left, rect.top, rect.right, rect.bottom};
}

bool Place(int controlId, int edge, HWND bar, const CPngDialog& whiteLine, PanelPlaces* places)
{
    return PlacePanel(edge, WindowRectOf(bar), controlId, whiteLine.m_sizeComposition.cx,
                      whiteLine.m_sizeComposition.cy, ::GetSystemMetrics(SM_CXSCREEN),
                      ::GetSystemMetrics(SM_CYSCREEN), places);
}

}  // namespace

CDescriptionPanel::CDescriptionPanel() noexcept = default;

CDescriptionPanel::~CDescriptionPanel()
{
    Close(false, nullptr);
}

bool CDescriptionPanel::Open(int controlId, int edge, HWND bar, HWND notify, HWND depthReference)
{
    if (m_pDesDlg || m_pWhiteLine)
        return true;

    m_pWhiteLine = std::make_unique<CWhiteLinePng>();
    m_pDesDlg = std::make_unique<CDesDlg>();
    m_pWhiteLine->LoadPicture(static_cast<UINT>(WhiteLinePictureId(edge)));
    m_pDesDlg->m_pPngDlg->LoadPicture(static_cast<UINT>(PanelPictureId(controlId)));

    // Each background window composes itself at alpha 0 while it is created: nothing shows before the fade.
    if (!m_pWhiteLine->Create(IDD_PNG_DIALOG) || !m_pDesDlg->m_pPngDlg->Create(IDD_PNG_DIALOG) ||
        !m_pDesDlg->Create(IDD_DES_DIALOG, m_pDesDlg->m_pPngDlg->GetSafeHwnd())) {
        Close(false, nullptr);
        return false;
    }
    m_pDesDlg->m_hNotifyWnd = notify;

    PanelPlaces places{};
    if (Place(controlId, edge, bar, *m_pWhiteLine, &places)) {
        ::SetWindowPos(*m_pWhiteLine, HWND_TOP, places.whiteLine.x, places.whiteLine.y, 0, 0, SWP_NOSIZE);
        CDockLayout::MoveBarPair(*m_pDesDlg, places.panel.x, places.panel.y, 0, 0, SWP_NOSIZE);
    }

    if (IsSixteenBitDepth(CPairFader::ColourDepth(depthReference))) {
        // No constant alpha at this depth: the card is there at once.
        m_pDesDlg->m_pPngDlg->UpdatePicture(255);
        m_pWhiteLine->UpdatePicture(255);
        m_pDesDlg->FillContents(controlId);
        return true;
    }
    ::SetLayeredWindowAttributes(*m_pDesDlg, m_pDesDlg->m_crKey, 0, LWA_COLORKEY | LWA_ALPHA);
    m_pDesDlg->FillContents(controlId);
    CPairFader::Ramp(*m_pDesDlg, m_pWhiteLine.get(), kFadeInAlphas);
    return true;
}

void CDescriptionPanel::Retarget(int controlId, int edge, HWND bar)
{
    if (!IsOpen())
        return;
    CPngDialog& background = *m_pDesDlg->m_pPngDlg;
    m_pDesDlg->ClearContents();
    background.UpdatePicture(0);
    background.LoadPicture(static_cast<UINT>(PanelPictureId(controlId)));

    PanelPlaces places{};
    if (Place(controlId, edge, bar, *m_pWhiteLine, &places)) {
        // The dialog takes the new card's size first (the wide card is twice as wide), then its background
        // window goes under it.
        CDockLayout::MoveBarPair(*m_pDesDlg, places.panel.x, places.panel.y, background.m_sizeComposition.cx,
                                 background.m_sizeComposition.cy, CDockLayout::kMoveDialog | SWP_SHOWWINDOW);
    }
    background.UpdatePicture(255);
    m_pDesDlg->FillContents(controlId);
}

void CDescriptionPanel::Close(bool fade, HWND depthReference)
{
    if (fade && IsOpen() && !IsSixteenBitDepth(CPairFader::ColourDepth(depthReference)))
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
