#pragma once

#include "framework/Wnd.h"

namespace zep {

// A static text child control ("STATIC" class) attached to its object.
class CStatic : public CWnd {
public:
    // The framework adds WS_CHILD to `style`.
    bool Create(const wchar_t* text, DWORD style, const RECT& rect, HWND parent, UINT id)
    {
        return CreateEx(0, L"STATIC", text, style | WS_CHILD, rect, parent, id);
    }
};

}  // namespace zep
