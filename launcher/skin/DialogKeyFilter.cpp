#include "launcher/skin/DialogKeyFilter.h"

namespace zep {
namespace {
constexpr unsigned kKeyFirst = 0x0100;  // WM_KEYFIRST, WM_KEYDOWN
constexpr unsigned kKeyUp = 0x0101;
constexpr unsigned kSysKeyDown = 0x0104;
constexpr unsigned kSysKeyUp = 0x0105;
constexpr unsigned kKeyLast = 0x0109;  // WM_KEYLAST
constexpr std::uintptr_t kReturn = 0x0D;
constexpr std::uintptr_t kEscape = 0x1B;
constexpr std::uintptr_t kF4 = 0x73;
}  // namespace

DialogKeyVerdict FilterDialogKey(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (message < kKeyFirst || message > kKeyLast)
        return DialogKeyVerdict::Translate;
    if (wParam == kReturn || wParam == kEscape)
        return DialogKeyVerdict::Untranslated;
    if (wParam == kF4) {
        // Key messages only: in character messages 0x73 is the letter 's'. A held Alt+F4 arrives with a
        // repeat count above 1 in the low bits of lParam, and must not get through either.
        const bool keyMessage = message == kKeyFirst || message == kKeyUp || message == kSysKeyDown ||
                                message == kSysKeyUp;
        const bool systemKey = message == kSysKeyDown || message == kSysKeyUp;
        if (keyMessage && (systemKey || (lParam & 0xFF) == 1))
            return DialogKeyVerdict::Swallow;
    }
    return DialogKeyVerdict::Translate;
}

}  // namespace zep
