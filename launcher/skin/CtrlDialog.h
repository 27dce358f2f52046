#pragma once

// The control dialog of a window pair: a colour-keyed layered dialog that carries the controls above its
// background window (a CPngDialog). Everything painted in the key colour shows the background window
// through; the dialog follows the background window whenever that moves. The pair's geometry lives here:
// where the dialog sits on its background window, how the pair moves, and the dialog's layer alpha.
//
// Ownership: the object owns its background window object, constructed with it and destroyed and deleted
// by DestroyWindow or the destructor, before the dialog window itself. Order of creation (CreatePair): the
// background window first, then this dialog with the background window as parent.
// Thread: user-interface thread only.

#include <windows.h>

#include <functional>
#include <memory>

#include "framework/Dialog.h"
#include "framework/ToolTipCtrl.h"
#include "launcher/skin/PngDialog.h"

namespace zep {

class CCtrlDialog : public CDialog {
public:
    CCtrlDialog();
    // A pair over a background window of a derived kind (one that records what it composes, say).
    explicit CCtrlDialog(std::unique_ptr<CPngDialog> background);
    ~CCtrlDialog() override;

    // Creates the background window (from the common background template, owned by the application's main
    // window, or by nobody when it is the main window), then this dialog from `dialogTemplate` over it.
    // False when either failed; whatever was made is left for DestroyWindow.
    bool CreatePair(UINT dialogTemplate);
    // Destroys and deletes the background window, then destroys this dialog. True when this dialog's
    // window existed and is gone.
    BOOL DestroyWindow() override;
    // Relays the message to the tooltip control, then filters Enter, Escape and Alt+F4 as the background
    // window does.
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;

    // The background window; null once it has been destroyed.
    CPngDialog* Background() const noexcept { return m_pPngDlg; }

    // Where the dialog sits on its background window: its top-left at the background's plus `offset`, its
    // size the background's composition size plus `sizeChange`. Nothing moves now.
    void SetForegroundOffsets(POINT offset, SIZE sizeChange) noexcept;
    POINT ForegroundOffset() const noexcept { return m_ptOffset; }
    SIZE ForegroundSizeChange() const noexcept { return m_sizeExtra; }

    // Marker bit of MoveBarPair's flags: move and size the dialog itself first.
    static constexpr UINT kMoveDialog = 0x8000;
    // Moves the pair; (x, y) is the background window's new screen position. With kMoveDialog in `flags`,
    // the dialog first goes to (x, y) plus its offset, sized (width, height) plus its size change, to the
    // top of the Z order, with the remaining flags. In every case the background window then goes to
    // (x, y) directly behind the dialog, keeping its size (its own move handling makes the dialog follow).
    void MoveBarPair(int x, int y, int width, int height, UINT flags);

    // The dialog's layered attributes: the key colour with constant alpha `alpha`.
    void SetLayerAlpha(BYTE alpha);
    // The key colour alone (no constant alpha): the dialog shows whole.
    void ResetLayerAlpha();
    COLORREF KeyColour() const noexcept { return m_crKey; }

    // What the help key does in both windows of the pair.
    void SetHelpHandler(std::function<void()> handler);

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    LRESULT OnCreate();
    void DestroyBackground() noexcept;

    CToolTipCtrl m_toolTip;
    const COLORREF m_crKey;
    CPngDialog* m_pPngDlg;  // owned
    POINT m_ptOffset;       // top-left relative to the background window's
    SIZE m_sizeExtra;       // size relative to the background window's composition size
};

}  // namespace zep
