#pragma once

// The layout of the bar: which tools are present, the bar background composed for them, how the dock
// dialog sits on its background window, where the 13 buttons go on each edge, and the mirror of the button
// layer, all at the scale the screen gives the bar on its edge. It rebuilds the bar when the installed
// tools change.
// Thread: user-interface thread only.

#include <windows.h>

#include "launcher/config/DockEdge.h"
#include "launcher/dock/LayoutPlan.h"
#include "launcher/dock/ToolGroups.h"
#include "launcher/skin/ButtonLayerMirror.h"

namespace zep {

class CCtrlDialog;
class CDockButtons;
class CLaunchConfig;
class CScreenPlacement;

class CDockLayout {
public:
    // The dock dialog `bar` (with its background window), its buttons and the screen whose scale they are
    // drawn at; all outlive this object.
    CDockLayout(CCtrlDialog& bar, CDockButtons& buttons, const CScreenPlacement& screen) noexcept;
    CDockLayout(const CDockLayout&) = delete;
    CDockLayout& operator=(const CDockLayout&) = delete;

    // Reads the registry settings into `config` (stored edge and install paths) and finds out from the
    // install paths which tools are present and how many in each group.
    void DetectTools(CLaunchConfig& config);

    // The background window's bar layout: `edge`, the group counts and the picture set of the bar's scale
    // on that edge, composed by its next repaint. A scale other than the last one taken is written as a
    // debug string ("Zephra scale 125% fits the screen ...").
    void SetBackgroundLayout(DockEdge edge);
    // The scale the bar is drawn at on `edge`.
    DisplayScale ScaleOf(DockEdge edge) const noexcept;
    // Where the dock dialog sits on its background window on `edge`. Nothing moves.
    void SetForegroundOffsets(DockEdge edge);
    // Gives each button its picture for `edge` and places the present tools' buttons and the settings and
    // hide buttons from the configuration's position table; the other buttons are hidden.
    void LayoutButtons(DockEdge edge, const CLaunchConfig& config);
    // Composes the bar background of `edge` for the group counts at `alpha`.
    void ComposeBar(DockEdge edge, BYTE alpha);
    // Mirrors the dock dialog into the background window over the stretch it covers on `edge`, where the
    // window manager composes the screen.
    void MirrorButtonLayer(DockEdge edge);

    // The answer to a change of the machine key: hides the bar's two windows, detects the tools again
    // (the registry only; the launch configuration file is not read again), lays the buttons out and
    // composes the bar for `edge` at full opacity, and shows both windows where they are.
    void RebuildBar(DockEdge edge, CLaunchConfig& config);

    // The presence flags (0 or 1) of buttons 1000 to 1010.
    const int (&Installed() const noexcept)[kPresenceFlags] { return m_bInstalled; }
    // The present tools of each group (0 to 3), which is also the group's layout number.
    const int (&GroupCounts() const noexcept)[kSlotGroups] { return m_nGroupCount; }

private:
    CCtrlDialog& m_bar;
    CDockButtons& m_buttons;
    const CScreenPlacement& m_screen;
    int m_nSaidDpi = 0;  // the scale last written as a debug string; 0: none yet
    CButtonLayerMirror m_mirror;
    int m_bInstalled[kPresenceFlags];
    int m_nGroupCount[kSlotGroups];
};

}  // namespace zep
