#pragma once

// The key filter of the launcher's dialogs: Enter and Escape must never act as dialog keys (they would
// close the window) and Alt+F4 must never reach the window. Pure logic: no Windows headers; the message
// and key numbers are the system's.

#include <cstdint>

namespace zep {

enum class DialogKeyVerdict {
    Translate,     // not a key of the filter: normal dialog translation
    Untranslated,  // Enter or Escape: dispatched as it is, never treated as a dialog key
    Swallow,       // Alt+F4: neither translated nor dispatched
};

// Only keyboard messages (WM_KEYFIRST to WM_KEYLAST) are filtered; any other message goes to normal
// translation whatever its wParam.
DialogKeyVerdict FilterDialogKey(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace zep
