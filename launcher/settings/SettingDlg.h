#pragma once

// The settings panel: a skinned dialog in the middle of the screen with four edge buttons and a close
// button. It stores nothing itself: its buttons tell the dock dialog (m_hOwnerWnd) which edge was picked
// and when to close the panel.
//
// Ownership: the dock dialog owns the panel object and destroys it when the panel asks to be closed; the
// panel owns its five buttons and (through CCtrlDialog) its background window.
// Thread: user-interface thread only.

#include <windows.h>

#include <memory>

#include "launcher/config/ConfigLimits.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/ImageButton.h"

namespace zep {

class CSettingDlg : public CCtrlDialog {
public:
    CSettingDlg() noexcept;
    ~CSettingDlg() override;

    // Places the panel at m_ptSetting and creates its five buttons at the configured places.
    BOOL OnInitDialog() override;
    // Deletes the five buttons, then destroys and deletes the background window, then the panel.
    BOOL DestroyWindow() override;

    POINT m_ptSetting;  // screen position of the panel's top-left corner; set before creation
    HWND m_hOwnerWnd;   // the dock dialog; null: the buttons tell nobody
    std::unique_ptr<CImageButton> m_pButtons[kSettingButtons];
    CoordinatePair m_ptButtons[kSettingButtons];

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
};

}  // namespace zep
