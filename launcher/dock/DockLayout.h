#pragma once

// Which tools are present and where the dock's 13 buttons go on each edge; moving and rebuilding the bar
// (the dock dialog over its background window).
// The dock dialog holds one of these beside its configuration and passes itself, the configuration and its
// button array to the operations; they can as well be used on any dialog pair.
// Thread: user-interface thread only.

#include <windows.h>

#include "launcher/dock/LayoutPlan.h"
#include "launcher/dock/ToolGroups.h"

namespace zep {

class CCtrlDialog;
class CImageButton;
class CLaunchConfig;
class CPngDialog;

class CDockLayout {
public:
    CDockLayout() noexcept;

    // Reads the registry settings into `config` (dock edge and install paths), sets m_bInstalled and
    // m_nGroupCount from which install paths exist, and hands config.m_nDirection and the three counts to
    // the background window (SetBackgroundLayout). The background is not repainted.
    void DetectTools(CLaunchConfig& config, CPngDialog& background);

    // Gives each button its picture for `edge` and places the present tools' buttons and the settings and
    // hide buttons (at the top of their siblings, shown, size kept) from config.m_ptCtrlPos; the other
    // buttons are hidden. An edge outside 0 to 3 changes no picture and places nothing. `buttons` is
    // indexed by control identifier - 1000; null entries are skipped.
    void LayoutButtons(int edge, const CLaunchConfig& config, CImageButton* const (&buttons)[kDockButtons]);

    // Stores the foreground offsets in `dialog` (m_ptOffset, m_sizeExtra) and the offset pair in its
    // background window (m_ptCompanionOffset). Nothing is moved.
    static void SetForegroundOffsets(CCtrlDialog& dialog, int offsetX, int offsetY, int widthChange,
                                     int heightChange);

    // Stores the edge and the three group counts from which the background window composes its skin
    // whenever it repaints itself.
    static void SetBackgroundLayout(CPngDialog& background, int edge, int first, int second, int third);

    // Marker bit of MoveBarPair's flags: move and size the dialog itself first.
    static constexpr UINT kMoveDialog = 0x8000;

    // Moves a dialog pair; (x, y) is the background window's new screen position. With kMoveDialog in
    // `flags`, the dialog first goes to (x, y) plus its offset, sized (width, height) plus its size change,
    // to the top of the Z order, with the remaining flags. In every case the background window then goes
    // to (x, y) directly behind the dialog, keeping its size (its own move handling makes the dialog
    // follow).
    static void MoveBarPair(CCtrlDialog& dialog, int x, int y, int width, int height, UINT flags);

    // The answer to a change of the machine key: hides the background window and the dialog, detects the
    // tools again (registry only; the launch configuration file is not read again), lays the buttons out
    // for the edge config.m_nDirection held before (a changed "Direction" value is not taken over),
    // composes the skin at full opacity and shows both windows where they are.
    // Returns 0, the message result.
    LRESULT RebuildBar(CLaunchConfig& config, CCtrlDialog& dialog, CImageButton* const (&buttons)[kDockButtons]);

    int m_bInstalled[kPresenceFlags];
    int m_nGroupCount[kSlotGroups];
};

}  // namespace zep
