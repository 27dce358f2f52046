#pragma once

#include "framework/Wnd.h"

namespace zep {

// The tooltip control of a dialog. Its window goes with its owner window (tooltips are owned popups) or
// with this object, whichever goes first.
class CToolTipCtrl : public CWnd {
public:
    bool Create(HWND owner);
    // Hands a mouse message to the control so it can show and hide tips (TTM_RELAYEVENT).
    void RelayEvent(MSG* msg) noexcept;
};

}  // namespace zep
