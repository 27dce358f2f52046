#pragma once

// The one settings panel the dock may have open: opened centred on the primary screen, re-centred when the
// screen changes, closed (faded out and destroyed) when it asks to be.
//
// Ownership: owns the open panel object; its windows are owned by the bar's background window and go with
// it at tear-down, the object with this holder, before GDI+ is shut down. Thread: user-interface thread only.

#include <windows.h>

#include <functional>
#include <memory>

#include "launcher/settings/SettingDlg.h"

namespace zep {

class CSettingsPanel {
public:
    // Opens the panel at `scale` in the middle of the primary screen for `owner` (the dock dialog), with
    // `help` for F1. False when one is open already or it could not be created.
    bool Open(HWND owner, std::function<void()> help, DisplayScale scale = DisplayScale());
    // Fades the open panel out and destroys it. False when none was open.
    bool Close();
    // The open panel drawn at `scale` instead: closed and opened again in the middle of the screen, for
    // `owner` with `help` as before. False when it could not be opened again (none is open then); true
    // otherwise, also when none is open or it is drawn at that scale already.
    bool Rescale(HWND owner, std::function<void()> help, DisplayScale scale);
    // Puts an open panel in the middle of a screen of `width` x `height`.
    void Centre(int width, int height);

private:
    std::unique_ptr<CSettingDlg> m_pSettingDlg;
    DisplayScale m_scale;  // of the open panel
};

}  // namespace zep
