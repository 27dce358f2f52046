#include "launcher/app/Zephra3App.h"

#include <commctrl.h>

#include "launcher/app/Zephra3Dlg.h"
#include "launcher/skin/PngDialog.h"
#include "shared/ZepShared.h"

namespace zep {

CZephra3App::CZephra3App() = default;

CZephra3App::~CZephra3App() = default;

bool CZephra3App::InitInstance()
{
    m_hMutex.reset(::CreateMutexW(nullptr, TRUE, ZEP_INSTANCE_MUTEX));
    if (!m_hMutex || ::GetLastError() == ERROR_ALREADY_EXISTS)
        return false;

    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);

    m_gdiplus = std::make_unique<GdiplusSession>();

    m_pDockDlg = std::make_unique<CZephra3Dlg>();
    CPngDialog& background = *m_pDockDlg->Background();
    m_pMainWnd = &background;

    const UINT right[4] = {145, 146, 147, 148};
    const UINT left[4] = {162, 163, 164, 165};
    const UINT top[4] = {179, 180, 181, 182};
    const UINT bottom[4] = {196, 197, 198, 199};
    background.LoadEdgeImageSets(right, left, top, bottom);

    // Creation runs both start-up stages. A launcher without its bar must not run on invisibly holding the
    // instance mutex (no later start could bring the dock up): start-up ends, and ExitInstance releases
    // what was made.
    return m_pDockDlg->CreateBar();
}

int CZephra3App::ExitInstance()
{
    // Every GDI+ image must be gone before GDI+ is shut down: the dock dialog (and with it its background
    // window and the skins it holds) goes first.
    m_pDockDlg.reset();
    m_pMainWnd = nullptr;
    m_gdiplus.reset();
    m_hMutex.reset();
    return CWinApp::ExitInstance();
}

// The program's one application object.
CZephra3App theApp;

}  // namespace zep
