#include "framework/ToolTipCtrl.h"

#include <commctrl.h>

namespace zep {

bool CToolTipCtrl::Create(HWND owner)
{
    const RECT rect = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    return CreateEx(WS_EX_TOOLWINDOW, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, rect, owner, 0);
}

void CToolTipCtrl::RelayEvent(MSG* msg) noexcept
{
    if (m_hWnd)
        ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

}  // namespace zep
