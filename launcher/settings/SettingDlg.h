#pragma once

// The settings panel: a skinned dialog in the middle of the screen with four edge buttons and a close
// button. It stores nothing itself: its buttons tell its owner (the dock dialog) which edge was picked and
// when to close the panel.
//
// Ownership: the dock dialog owns the panel object and closes it when the panel asks to be closed; the
// panel owns its five buttons and (through CCtrlDialog) its background window.
// Thread: user-interface thread only.

#include <windows.h>

#include <functional>
#include <memory>

#include "launcher/config/ConfigLimits.h"
#include "launcher/config/DisplayScale.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/ImageButton.h"

namespace zep {

class CSettingDlg : public CCtrlDialog {
public:
    CSettingDlg() noexcept = default;
    ~CSettingDlg() override;

    // Creates the panel at `scale` (its picture set, its buttons' places and pictures) with its top-left
    // at `place` (screen), its buttons telling `owner` (null: nobody), F1 answered by `help`, and fades it
    // in; the depth of `owner`'s screen decides whether it fades. False when its windows could not be
    // created; whatever was made is gone again.
    bool Open(HWND owner, POINT place, std::function<void()> help, DisplayScale scale = DisplayScale());
    // Fades the panel out and destroys it.
    void Close();
    // Puts the panel's top-left at `place` (screen): the owner re-centres it when the screen changes.
    void MoveTo(POINT place);

    // Places the panel at its place and creates its five buttons at the configured places.
    BOOL OnInitDialog() override;
    // Deletes the five buttons, then destroys and deletes the background window, then the panel.
    BOOL DestroyWindow() override;

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    POINT m_ptSetting{0, 0};      // screen position of the panel's top-left corner
    HWND m_hOwnerWnd = nullptr;  // the dock dialog; null: the buttons tell nobody
    DisplayScale m_scale;
    std::unique_ptr<CImageButton> m_pButtons[kSettingButtons];
    CoordinatePair m_ptButtons[kSettingButtons] = {};
};

}  // namespace zep
