#pragma once

// The control dialog of a window pair: a colour-keyed layered dialog that carries the controls above its
// background window (a CPngDialog). Everything painted in the key colour shows the background window
// through; the dialog follows the background window whenever that moves.
//
// Ownership: the object owns its background window object (m_pPngDlg), constructed with it and destroyed
// and deleted by DestroyWindow or the destructor, before the dialog window itself. Order of creation, by
// the owner: the background window first, then this dialog with the background window as parent.
// Thread: user-interface thread only.

#include <windows.h>

#include "framework/Dialog.h"
#include "framework/ToolTipCtrl.h"
#include "launcher/skin/PngDialog.h"

namespace zep {

class CCtrlDialog : public CDialog {
public:
    CCtrlDialog();
    ~CCtrlDialog() override;

    // Destroys and deletes the background window, then destroys this dialog. True when this dialog's
    // window existed and is gone.
    BOOL DestroyWindow() override;
    // Relays the message to the tooltip control, then filters Enter, Escape and Alt+F4 as the background
    // window does.
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;

    CToolTipCtrl m_toolTip;
    COLORREF m_crKey;
    CPngDialog* m_pPngDlg;  // owned
    POINT m_ptOffset;       // top-left relative to the background window's
    SIZE m_sizeExtra;       // size relative to the background window's composition size

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    LRESULT OnCreate();
    void DestroyBackground() noexcept;
};

}  // namespace zep
