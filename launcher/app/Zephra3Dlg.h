#pragma once

// The dock dialog: the colour-keyed dialog carrying the bar's 13 image buttons, above the bar's background
// window (its CCtrlDialog base owns that window, which is the application's main window). Its creation
// brings up every other piece of the launcher in a fixed order; its DestroyWindow takes them down again.
// What the dock key, the slides and the hover reports mean is decided by its DockStateMachine; the dialog
// only carries the answers out.
// Thread: user-interface thread only.

#include <windows.h>

#include <memory>

#include "launcher/app/Hook.h"
#include "launcher/config/LaunchConfig.h"
#include "launcher/dock/DockLayout.h"
#include "launcher/dock/DockStateMachine.h"
#include "launcher/settings/SettingDlg.h"
#include "launcher/skin/ButtonLayerMirror.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/DescriptionPanel.h"
#include "launcher/skin/ImageButton.h"
#include "launcher/system/RegistryWatcher.h"
#include "launcher/system/ShellEventListener.h"
#include "launcher/tools/RunningToolCheck.h"
#include "launcher/tools/Win32ToolSystem.h"

namespace zep {

class CZephra3Dlg : public CCtrlDialog {
public:
    CZephra3Dlg();
    ~CZephra3Dlg() override;

    // Second start-up stage: composes the bar and starts the hooks and watchers.
    BOOL OnInitDialog() override;
    // Tear-down; destroying the background window ends the message loop.
    BOOL DestroyWindow() override;
    // A release of the dock key (posted by the keyboard hook) toggles the bar and counts as handled; the
    // rest goes to the control dialog's pre-translation.
    BOOL PreTranslateMessage(MSG* msg) override;

    // A release of the dock key: Hidden: reveal; Shown: hide; Moving: nothing. False when it is no dock
    // key at the moment (the settings dialog is open).
    bool ToggleDock();
    // Takes the background window's taskbar button away, closes an open panel without fade, disables the
    // buttons and starts the hide timer of the edge, whatever the bar state. The state stays Shown until
    // the first tick.
    void StartHide();
    // Puts the background window in front of the foreground window.
    void BringDockToFront();
    // The blocking slide `code` (10 x edge + 0 hide / + 1 reveal) to its end.
    void SlideToEnd(int code);

    // The description panel beside the bar for dock button `controlId` (1000 to 1010).
    void OpenDescriptionPanel(int controlId);
    void RetargetDescriptionPanel(int controlId);
    void CloseDescriptionPanel(bool fade);

    // What a click on dock button `controlId` (1000 to 1012) does; also run for the card's "OK" buttons.
    void RunButtonCommand(int controlId);
    // The settings panel, centred on the primary screen; nothing while one is open.
    void OpenSettingDialog();

    // Moves the bar to `edge`: stored first (nothing happens when that fails), slid out at the old edge,
    // laid out for the new one and slid in there; the bar ends shown. Nothing for the current edge, an
    // edge outside 0 to 3 or while a slide runs.
    void ChangeEdge(int edge);
    // Reads the work area and screen size again and puts the bar (and an open settings panel) where they
    // belong now; a shown bar closes its card first. A sliding bar is left to its slide.
    void UpdateScreenGeometry();

    HICON m_hIcon;
    CHook m_hook;
    RECT m_rcWorkArea;
    int m_nScreenCx;
    int m_nScreenCy;
    HWND m_hZepAstWnd64;
    int m_nStartupHideCount;

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // First start-up stage (WM_CREATE); -1 fails the creation.
    LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam);
    // A slide tick (timer ids 0, 1, 10, 11, 20, 21, 30, 31). False for any other timer.
    bool OnSlideTimer(UINT_PTR id);
    // Shows both windows, gives the background window a taskbar button, brings it to the front and starts
    // the reveal timer of the edge. The bar state stays Hidden until the first tick.
    void StartReveal();
    // Carries out what the state machine decided, in the order DockCommands gives.
    void Carry(const DockCommands& commands);
    // WM_SETTING_CLOSE: fades the settings panel out, destroys it and enables the buttons again.
    void CloseSettingDialog();
    // Puts a shown bar back on its shown position when something moved it.
    void CorrectShownPosition();
    // Re-centres an open settings panel on the screen.
    void CentreSettingDialog();
    // The running flags of the marked buttons from a check's rows found.
    void ApplyRunningTools(WPARAM rowsFound);
    void MirrorButtons();
    // Starts ZepAssistant64 on x64 Windows and looks for its window. False when it could not be started.
    bool StartAssistant64();
    void PaintMinimised();

    CLaunchConfig m_config;
    CDockLayout m_layout;
    DockStateMachine m_dock;
    // Destroyed before the buttons at tear-down; it refers to none of them.
    CDescriptionPanel m_panel;
    // The open settings panel, or null. Its windows are owned by the bar's background window and go with
    // it at tear-down; the object goes with the dock dialog, before GDI+ is shut down.
    std::unique_ptr<CSettingDlg> m_pSettingDlg;
    CWin32ToolSystem m_toolSystem;
    CButtonLayerMirror m_mirror;
    // Workers; each is stopped (and waited for) at tear-down before any window goes.
    RegistryWatcher m_regWatch;
    ShellEventListener m_ShellListener;
    RunningToolCheck m_runningCheck;
    // The shell's "TaskbarCreated" broadcast: the shell restarted and the bar is placed again.
    UINT m_nTaskbarCreated;
    std::unique_ptr<CImageButton> m_buttons[kDockButtons];
    bool m_bTornDown = false;
};

}  // namespace zep
