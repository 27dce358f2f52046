#pragma once

#include <memory>

#include "assistant/LauncherWatch.h"
#include "assistant/MainFrame.h"
#include "framework/WinApp.h"

namespace zep {

// ZepAssistant64: one hidden window that holds the 64-bit shell hook for the 32-bit launcher. Only one
// assistant runs at a time; a second one ends before doing anything.
class CZepAssistantApp : public CWinApp {
public:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    std::unique_ptr<CMainFrame> m_pFrame;
    CLauncherWatch m_launcherWatch;
};

}  // namespace zep
