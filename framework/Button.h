#pragma once

#include "framework/Wnd.h"

namespace zep {

// A push button child control ("BUTTON" class) attached to its object.
class CButton : public CWnd {
public:
    // The framework adds WS_CHILD to `style`.
    virtual bool Create(const wchar_t* caption, DWORD style, const RECT& rect, HWND parent, UINT id)
    {
        return CreateEx(0, L"BUTTON", caption, style | WS_CHILD, rect, parent, id);
    }
};

}  // namespace zep
