#pragma once

// Modeless dialog created from a resource template. The dialog window is attached to its object from its
// first message on (WM_CREATE included); WM_INITDIALOG calls OnInitDialog.

#include "framework/Wnd.h"

namespace zep {

class CDialog : public CWnd {
public:
    CDialog() noexcept = default;

    // Creates the dialog from template `templateId` of the resource module. With a parent, the dialog is
    // owned by it (a WS_POPUP dialog) or its child (WS_CHILD). Returns false when creation failed,
    // including when OnInitDialog's caller saw WM_CREATE fail.
    bool Create(UINT templateId, HWND parent);

    // Base initialisation; returns TRUE to let the system set the focus.
    virtual BOOL OnInitDialog();

    // Keyboard and mouse input goes through the dialog manager (tab, arrows, default buttons).
    BOOL PreTranslateMessage(MSG* msg) override;

    // A passive dialog (of a visible template) is never activated (WS_EX_NOACTIVATE: not when it is shown,
    // not when it is clicked) and takes no keyboard focus when it is created: it shows something beside the
    // window the user works in without taking the keys from it. Set before Create.
    void SetPassive(bool passive) noexcept { m_bPassive = passive; }

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // WM_PAINT of a minimised dialog: the icon's background is erased (WM_ICONERASEBKGND) and `icon` drawn
    // in the middle of the client area.
    void PaintMinimisedIcon(HICON icon);

private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);

    bool m_bPassive = false;
};

}  // namespace zep
