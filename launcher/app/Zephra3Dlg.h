#pragma once

// The dock dialog: the colour-keyed dialog carrying the bar's 13 image buttons, above the bar's background
// window (its CCtrlDialog base owns that window, which is the application's main window). Its creation
// brings up every other piece of the launcher in a fixed order; its DestroyWindow takes them down again.
// Thread: user-interface thread only.

#include <windows.h>

#include <memory>

#include "launcher/app/Hook.h"
#include "launcher/config/LaunchConfig.h"
#include "launcher/dock/DockLayout.h"
#include "launcher/dock/DockState.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/ImageButton.h"

namespace zep {

class CZephra3Dlg : public CCtrlDialog, public CLaunchConfig, public CDockLayout {
public:
    CZephra3Dlg();
    ~CZephra3Dlg() override;

    // Second start-up stage: composes the bar and starts the hooks and watchers.
    BOOL OnInitDialog() override;
    // Tear-down; destroying the background window ends the message loop.
    BOOL DestroyWindow() override;

    HICON m_hIcon;
    CHook m_hook;
    int m_nAnimState;
    RECT m_rcWorkArea;
    int m_nScreenCx;
    int m_nScreenCy;
    int m_bHoverRearm;
    HWND m_hZepAstWnd64;
    int m_nStartupHideCount;

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // First start-up stage (WM_CREATE); -1 fails the creation.
    LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam);
    // Starts ZepAssistant64 on x64 Windows and looks for its window. False when it could not be started.
    bool StartAssistant64();
    void PaintMinimised();

    std::unique_ptr<CImageButton> m_buttons[13];
    bool m_bTornDown = false;
};

}  // namespace zep
