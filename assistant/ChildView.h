#pragma once

#include "framework/Wnd.h"

namespace zep {

// The frame's empty client view: it paints nothing and handles no commands; it exists so the frame has
// a focus target, as every frame window of the framework's document model does.
class CChildView : public CWnd {
public:
    static constexpr UINT kViewId = 0xE900;

    // Creates the view as child kViewId of parent, with an empty rectangle; the frame sizes it.
    bool Create(HWND parent);
};

}  // namespace zep
