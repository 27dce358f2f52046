#pragma once

// Application object and message loop. Exactly one CWinApp-derived object exists per program, usually
// a global; the program's entry point calls CWinApp::Main.

#include <windows.h>

namespace zep {

class CWnd;

class CWinApp {
public:
    CWinApp() noexcept;
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    static CWinApp* Instance() noexcept;
    // The module that holds the program's resources (dialog templates, pictures, strings).
    static HINSTANCE ResourceInstance() noexcept;

    // Entry point: InitInstance, then the message loop until WM_QUIT, then ExitInstance. When
    // InitInstance fails, ExitInstance runs at once. Returns the program's exit code.
    static int Main();

    // Returns false to end the program before the message loop starts.
    virtual bool InitInstance() = 0;
    // Returns the exit code.
    virtual int ExitInstance();
    // Runs the message loop until WM_QUIT, then ExitInstance; returns its result.
    virtual int Run();

    // Offers a queued message to the windows from its target up to the top level (innermost first), then
    // to the application itself. TRUE means handled: the message is neither translated nor dispatched.
    BOOL PreTranslateMessage(MSG* msg);

    // Destroying this window (WM_NCDESTROY) ends the message loop.
    CWnd* m_pMainWnd = nullptr;

protected:
    int m_nExitCode = 0;
};

}  // namespace zep
