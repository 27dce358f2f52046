#include "launcher/dock/DockLayout.h"

#include "launcher/config/LaunchConfig.h"
#include "launcher/dock/DockButtons.h"
#include "launcher/dock/DockGeometry.h"
#include "launcher/dock/ScreenPlacement.h"
#include "launcher/dock/ToolPresence.h"
#include "launcher/skin/CtrlDialog.h"

namespace zep {

CDockLayout::CDockLayout(CCtrlDialog& bar, CDockButtons& buttons, const CScreenPlacement& screen) noexcept
    : m_bar(bar), m_buttons(buttons), m_screen(screen), m_bInstalled{}, m_nGroupCount{}
{
}

DisplayScale CDockLayout::ScaleOf(DockEdge edge) const noexcept
{
    return m_screen.ScaleFor(edge).scale;
}

void CDockLayout::DetectTools(CLaunchConfig& config)
{
    config.ReadRegistrySettings();

    bool slotPathExists[kPresenceSlots];
    for (int slot = 0; slot < kPresenceSlots; ++slot)
        slotPathExists[slot] = InstallPathExists(config.InstallPath(slot));
    const bool alternativePathExists =
        !slotPathExists[kAlternativeSlot] && InstallPathExists(config.AlternativeInstallPath());
    SetPresenceFlags(slotPathExists, alternativePathExists, m_bInstalled);
    CountSlotGroups(m_bInstalled, m_nGroupCount);
}

void CDockLayout::SetBackgroundLayout(DockEdge edge)
{
    const BarScale choice = m_screen.ScaleFor(edge);
    if (choice.scale.Dpi() != m_nSaidDpi) {
        m_nSaidDpi = choice.scale.Dpi();
        ::OutputDebugStringW(DescribeChosenScale(choice, edge).c_str());
    }
    if (CPngDialog* background = m_bar.Background()) {
        background->SetBackgroundLayout(edge, m_nGroupCount[0], m_nGroupCount[1], m_nGroupCount[2]);
        background->SetPictureScale(choice.scale);
    }
}

void CDockLayout::SetForegroundOffsets(DockEdge edge)
{
    const ForegroundOffsets offsets = ForegroundOffsetsFor(edge, ScaleOf(edge));
    m_bar.SetForegroundOffsets(POINT{offsets.offsetX, offsets.offsetY}, SIZE{offsets.widthChange, offsets.heightChange});
}

void CDockLayout::LayoutButtons(DockEdge edge, const CLaunchConfig& config)
{
    m_buttons.LayOut(PlanButtonLayout(edge, m_bInstalled, m_nGroupCount, config.Positions(), ScaleOf(edge)));
}

void CDockLayout::ComposeBar(DockEdge edge, BYTE alpha)
{
    if (CPngDialog* background = m_bar.Background())
        background->UpdateEdgeBackground(edge, m_nGroupCount[0], m_nGroupCount[1], m_nGroupCount[2], alpha);
}

void CDockLayout::MirrorButtonLayer(DockEdge edge)
{
    CPngDialog* background = m_bar.Background();
    if (!background)
        return;
    const SIZE size = background->CompositionSize();
    const WorkArea area = MirrorDestination(edge, size.cx, size.cy, ScaleOf(edge));
    m_mirror.Mirror(*background, m_bar, RECT{area.left, area.top, area.right, area.bottom});
}

void CDockLayout::RebuildBar(DockEdge edge, CLaunchConfig& config)
{
    CPngDialog* background = m_bar.Background();
    if (!background)
        return;
    ::ShowWindow(*background, SW_HIDE);
    ::ShowWindow(m_bar, SW_HIDE);
    DetectTools(config);
    SetBackgroundLayout(edge);
    LayoutButtons(edge, config);
    ComposeBar(edge, 255);
    ::ShowWindow(*background, SW_SHOWNA);
    ::ShowWindow(m_bar, SW_SHOWNA);
}

}  // namespace zep
