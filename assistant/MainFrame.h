#pragma once

#include "framework/UniqueResource.h"
#include "framework/Wnd.h"
#include "hook/ZepHook.h"

namespace zep {

// The assistant's hidden top-level window, class ZEP_ASSISTANT_CLASS, title ZEP_ASSISTANT64_TITLE. It
// holds ZepHook64.dll for its whole life and installs or removes the shell hook when the launcher sends
// WM_INSTALLSHELLHOOK64 / WM_UNINSTALLSHELLHOOK64. The launcher ends it with WM_CLOSE.
class CMainFrame : public CWnd {
public:
    CMainFrame() noexcept = default;
    ~CMainFrame() override;

    // Registers the window class and creates the window, never shown. False when the class cannot be
    // registered or the hook library cannot be bound; the window does not exist then.
    bool Create();

    // Removes the hook a second time (the launcher asked already), lets the library go, then destroys
    // the window.
    BOOL DestroyWindow() override;

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    LRESULT OnCreate();
    // Loads ZepHook64.dll from this program's folder, or failing that from the system folder, never from
    // the current folder, and looks up both exports.
    bool LoadHookLibrary();
    void ReleaseHookLibrary() noexcept;

    UniqueModule m_hHookLib;
    InstallShellHookProc m_pfnInstallShellHook = nullptr;
    UnInstallShellHookProc m_pfnUnInstallShellHook = nullptr;
};

}  // namespace zep
