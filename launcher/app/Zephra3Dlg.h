#pragma once

// The dock dialog: the colour-keyed dialog carrying the bar's 13 image buttons, above the bar's background
// window (the application's main window). Its creation brings up every other piece of the launcher in a
// fixed order; its DestroyWindow takes them down again. Between the two it routes messages: what they mean
// is decided by the bar driver and the parts below, each of which owns one concern.
// Thread: user-interface thread only.

#include <windows.h>

#include <memory>

#include "launcher/config/DockEdge.h"
#include "launcher/config/LaunchConfig.h"
#include "launcher/dock/BarDriver.h"
#include "launcher/dock/DockButtons.h"
#include "launcher/dock/DockLayout.h"
#include "launcher/dock/PositionKeeper.h"
#include "launcher/dock/ScreenPlacement.h"
#include "launcher/dock/Win32BarWindows.h"
#include "launcher/app/SystemLinks.h"
#include "launcher/settings/SettingsPanel.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/DescriptionPanel.h"
#include "launcher/tools/Win32ToolSystem.h"

namespace zep {

class CZephra3Dlg : public CCtrlDialog {
public:
    CZephra3Dlg();
    ~CZephra3Dlg() override;

    // Creates the bar: its background window (composed for the stored edge, which is made sure of first),
    // then the dock dialog, whose creation runs both start-up stages. False when either could not be made.
    bool CreateBar();

    // Second start-up stage: composes the bar and starts the hooks and watchers.
    BOOL OnInitDialog() override;
    // Tear-down; destroying the background window ends the message loop.
    BOOL DestroyWindow() override;
    // A release of the dock key (posted by the keyboard hook) toggles the bar and counts as handled; the
    // rest goes to the control dialog's pre-translation.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // First start-up stage (WM_CREATE); -1 fails the creation.
    LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam);
    // What a click on a dock button does; also run for the card's "OK" buttons.
    void OnButtonClicked(DockButton button);
    void OpenSettingDialog();
    void CloseSettingDialog();
    // The screen or the session around the bar changed: with `placeAgain` the screen is read anew and the
    // bar (and its mirror) put where they belong now, built again on its edge at the screen's scale when
    // that is another than the bar's or `rebuild` asks for it; with `hookAgain` the keyboard hook is
    // installed afresh (the system drops it on some of these changes).
    void OnSystemChange(bool placeAgain, bool hookAgain, bool rebuild = false);

    HICON m_hIcon;
    // The shell's "TaskbarCreated" broadcast: the shell restarted and the bar is placed again.
    UINT m_nTaskbarCreated;
    CLaunchConfig m_config;
    CScreenPlacement m_screen;
    CDockButtons m_buttons;
    CDockLayout m_layout;
    CDescriptionPanel m_card;
    // The bar's windows and timers, and what runs them; both refer to the parts above.
    CWin32BarWindows m_windows;
    BarDriver m_driver;
    CPositionKeeper m_keeper;
    CSettingsPanel m_settings;
    CWin32ToolSystem m_toolSystem;
    // Stopped (its workers joined) at tear-down before any window goes.
    CSystemLinks m_links;
    bool m_bTornDown = false;
};

}  // namespace zep
