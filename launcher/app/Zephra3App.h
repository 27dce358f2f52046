#pragma once

// The launcher's application object: one per process. Guards against a second launcher in the session,
// starts common controls and GDI+, loads the bar's skins and creates the bar's two windows.

#include <memory>

#include "framework/GdiPlus.h"
#include "framework/UniqueResource.h"
#include "framework/WinApp.h"

namespace zep {

class CZephra3Dlg;

class CZephra3App : public CWinApp {
public:
    CZephra3App();
    ~CZephra3App() override;

    bool InitInstance() override;
    int ExitInstance() override;

private:
    UniqueHandle m_hMutex;
    std::unique_ptr<GdiplusSession> m_gdiplus;
    std::unique_ptr<CZephra3Dlg> m_pDockDlg;
};

}  // namespace zep
