#include "launcher/app/DockGlobals.h"

namespace zep {

CImageButton* g_pButtons[kDockButtons] = {};
HWND g_hDockWnd = nullptr;
HWND g_hHookTargetWnd = nullptr;
UniqueHook g_hKeyboardHook;

}  // namespace zep
