#pragma once

// The description panel: a control dialog over its card picture, carrying the texts of one dock button's
// card and, on the combined button's wide card, one "OK" image button per tool. Its buttons' hover
// reports (sent) and clicks (posted as WM_DES_COMMAND) go to the window it is told to notify (the dock
// dialog), which decides what they do.
//
// Ownership: the panel owns its texts, its buttons and their font; DestroyWindow deletes them before the
// background window (CCtrlDialog) and the panel's own window go. Thread: user-interface thread only.

#include <windows.h>

#include <memory>

#include "framework/Static.h"
#include "framework/UniqueResource.h"
#include "launcher/config/DockButton.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/ImageButton.h"
#include "launcher/skin/PanelContent.h"

namespace zep {

class CDesDlg : public CCtrlDialog {
public:
    CDesDlg() noexcept = default;
    ~CDesDlg() override;

    // Deletes the texts and buttons, then destroys and deletes the background window, then the panel.
    BOOL DestroyWindow() override;
    // The control dialog's initialisation; the card cannot be dragged.
    BOOL OnInitDialog() override;

    // The window that gets the card buttons' reports and clicks; null: nobody.
    void SetNotifyWindow(HWND notify) noexcept { m_hNotifyWnd = notify; }

    // Shows the card of `button` at `scale`: a fresh font, the texts (created where missing) and, for the
    // combined button, the two "OK" buttons, every place, size and the font's height scaled. A button
    // without a card creates nothing.
    void FillContents(DockButton button, DisplayScale scale = DisplayScale());
    // Deletes every text and button.
    void ClearContents();

    // The button whose card was filled last.
    DockButton CardOf() const noexcept { return m_button; }
    // The texts' font; null before the first fill.
    HGDIOBJ TextFont() const noexcept { return m_font.get(); }

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    HBRUSH OnCtlColorStatic(HDC dc, HWND text);

    DockButton m_button = DockButton::Tool0;
    HWND m_hNotifyWnd = nullptr;
    std::unique_ptr<CStatic> m_pTexts[kPanelMaxTexts];
    std::unique_ptr<CImageButton> m_pButtons[2];
    // The texts' font; replaced by each fill once every text has the new one.
    UniqueGdiObject m_font;
};

}  // namespace zep
