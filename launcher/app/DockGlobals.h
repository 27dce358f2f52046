#pragma once

// Process-wide state of the launcher (one launcher runs per session). Written on the user-interface
// thread; the keyboard hook procedure reads g_hHookTargetWnd.

#include <windows.h>

#include "framework/UniqueResource.h"
#include "launcher/dock/LayoutPlan.h"

namespace zep {

class CImageButton;


// The dock dialog's image buttons, indexed by control identifier - 1000. Owned by the dock dialog; null
// before it creates them and after it deletes them.
extern CImageButton* g_pButtons[kDockButtons];
// The dock dialog: target of the registry watcher's notification.
extern HWND g_hDockWnd;
// The dock dialog: target of the keyboard hook procedure.
extern HWND g_hHookTargetWnd;
extern UniqueHook g_hKeyboardHook;

}  // namespace zep
