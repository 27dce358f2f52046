#pragma once

// The description panel: a control dialog over its card picture, carrying the texts of one dock button's
// card and, on the combined button's wide card, one "OK" image button per tool. Its buttons' hover
// reports (sent) and clicks (posted as WM_DES_COMMAND) go to the dock dialog (m_hNotifyWnd), which
// decides what they do.
//
// Ownership: the panel owns its texts, its buttons and their font; DestroyWindow deletes them before the
// background window (CCtrlDialog) and the panel's own window go. Thread: user-interface thread only.

#include <windows.h>

#include <memory>

#include "framework/Static.h"
#include "framework/UniqueResource.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/ImageButton.h"
#include "launcher/skin/PanelContent.h"

namespace zep {

class CDesDlg : public CCtrlDialog {
public:
    CDesDlg() noexcept;
    ~CDesDlg() override;

    // Deletes the texts and buttons, then destroys and deletes the background window, then the panel.
    BOOL DestroyWindow() override;
    // The control dialog's initialisation; the card cannot be dragged.
    BOOL OnInitDialog() override;

    // Shows the card of dock button `controlId`: the slot, a fresh font, the texts (created where missing)
    // and, for the combined button, the two "OK" buttons. An identifier outside 1000 to 1010 creates
    // nothing.
    void FillContents(int controlId);
    // Deletes every text and button.
    void ClearContents();

    int m_nSlot;          // control identifier of the described button - 1000
    HWND m_hNotifyWnd;    // the dock dialog; set by it right after creating the panel
    std::unique_ptr<CStatic> m_pTexts[kPanelMaxTexts];
    std::unique_ptr<CImageButton> m_pButtons[2];
    // The texts' font; replaced by each fill once every text has the new one.
    UniqueGdiObject m_font;

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    HBRUSH OnCtlColorStatic(HDC dc, HWND text);
};

}  // namespace zep
