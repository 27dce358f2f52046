#include "launcher/dock/DockLayout.h"

#include "launcher/config/LaunchConfig.h"
#include "launcher/dock/ToolPresence.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/ImageButton.h"
#include "launcher/skin/PngDialog.h"

namespace zep {

CDockLayout::CDockLayout() noexcept : m_bInstalled{}, m_nGroupCount{} {}

void CDockLayout::DetectTools(CLaunchConfig& config, CPngDialog& background)
{
    config.ReadRegistrySettings();

    bool slotPathExists[kPresenceSlots];
    for (int slot = 0; slot < kPresenceSlots; ++slot)
        slotPathExists[slot] = InstallPathExists(config.m_szInstallPath[slot]);
    const bool alternativePathExists =
        !slotPathExists[kAlternativeSlot] && InstallPathExists(config.m_szInstallPath61);
    SetPresenceFlags(slotPathExists, alternativePathExists, m_bInstalled);
    CountSlotGroups(m_bInstalled, m_nGroupCount);

    SetBackgroundLayout(background, config.m_nDirection, m_nGroupCount[0], m_nGroupCount[1], m_nGroupCount[2]);
}

void CDockLayout::LayoutButtons(int edge, const CLaunchConfig& config, CImageButton* const (&buttons)[kDockButtons])
{
    const LayoutPlan plan = PlanButtonLayout(edge, m_bInstalled, m_nGroupCount, config.m_ptCtrlPos);

    for (int n = 0; n < kDockButtons; ++n) {
        if (buttons[n] != nullptr && plan.pictureId[n] >= 0)
            buttons[n]->LoadButtonImage(static_cast<UINT>(plan.pictureId[n]));
    }

    for (int n = 0; n < kDockButtons; ++n) {
        const HWND button = buttons[n] != nullptr ? buttons[n]->GetSafeHwnd() : nullptr;
        if (button == nullptr)
            continue;
        const ButtonStep& step = plan.step[n];
        switch (step.action) {
        case ButtonAction::Place:
            ::SetWindowPos(button, HWND_TOP, step.x, step.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
            break;
        case ButtonAction::Hide:
            ::ShowWindow(button, SW_HIDE);
            break;
        case ButtonAction::Keep:
            break;
        }
    }
}

void CDockLayout::SetForegroundOffsets(CCtrlDialog& dialog, int offsetX, int offsetY, int widthChange,
                                       int heightChange)
{
    dialog.m_ptOffset = POINT{offsetX, offsetY};
    dialog.m_sizeExtra = SIZE{widthChange, heightChange};
    if (dialog.m_pPngDlg != nullptr)
        dialog.m_pPngDlg->m_ptCompanionOffset = POINT{offsetX, offsetY};
}

void CDockLayout::SetBackgroundLayout(CPngDialog& background, int edge, int first, int second, int third)
{
    background.m_nStateEdge = edge;
    background.m_nStateCounts[0] = first;
    background.m_nStateCounts[1] = second;
    background.m_nStateCounts[2] = third;
}

void CDockLayout::MoveBarPair(CCtrlDialog& dialog, int x, int y, int width, int height, UINT flags)
{
    if ((flags & kMoveDialog) != 0) {
        ::SetWindowPos(dialog.GetSafeHwnd(), HWND_TOP, x + dialog.m_ptOffset.x, y + dialog.m_ptOffset.y,
                       width + dialog.m_sizeExtra.cx, height + dialog.m_sizeExtra.cy, flags & ~kMoveDialog);
    }
    if (dialog.m_pPngDlg != nullptr)
        ::SetWindowPos(dialog.m_pPngDlg->GetSafeHwnd(), dialog.GetSafeHwnd(), x, y, width, height, SWP_NOSIZE);
}

LRESULT CDockLayout::RebuildBar(CLaunchConfig& config, CCtrlDialog& dialog,
                                CImageButton* const (&buttons)[kDockButtons])
{
    CPngDialog* const background = dialog.m_pPngDlg;
    if (background == nullptr)
        return 0;
    ::ShowWindow(background->GetSafeHwnd(), SW_HIDE);
    ::ShowWindow(dialog.GetSafeHwnd(), SW_HIDE);

    // The bar stays on the edge it runs on: a "Direction" written by another program takes effect at the
    // next start (or the next edge change), not half-way here.
    const int edge = config.m_nDirection;
    DetectTools(config, *background);
    config.m_nDirection = edge;
    SetBackgroundLayout(*background, edge, m_nGroupCount[0], m_nGroupCount[1], m_nGroupCount[2]);
    LayoutButtons(config.m_nDirection, config, buttons);
    background->UpdateEdgeBackground(config.m_nDirection, m_nGroupCount[0], m_nGroupCount[1], m_nGroupCount[2],
                                     255);

    ::ShowWindow(background->GetSafeHwnd(), SW_SHOW);
    ::ShowWindow(dialog.GetSafeHwnd(), SW_SHOW);
    return 0;
}

}  // namespace zep
