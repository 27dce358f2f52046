// The dialogs' key filter: Enter and Escape bypass dialog translation, Alt+F4 is swallowed, and nothing
// else is touched.
#include <gtest/gtest.h>

#include "launcher/skin/DialogKeyFilter.h"

namespace {

using zep::DialogKeyVerdict;

constexpr unsigned kKeyDown = 0x0100;
constexpr unsigned kKeyUp = 0x0101;
constexpr unsigned kChar = 0x0102;
constexpr unsigned kSysKeyDown = 0x0104;
constexpr unsigned kSysKeyUp = 0x0105;
constexpr unsigned kSysChar = 0x0106;
constexpr unsigned kUniChar = 0x0109;
constexpr unsigned kMouseMove = 0x0200;
constexpr unsigned kTimer = 0x0113;
constexpr unsigned kApp = 0x8000;
constexpr std::intptr_t kAltContext = 1 << 29;

TEST(DialogKeyFilterTest, VerdictPerMessage)
{
    struct Case {
        const char* what;
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        DialogKeyVerdict verdict;
    };
    const Case cases[] = {
        {"enter down", kKeyDown, 0x0D, 1, DialogKeyVerdict::Untranslated},
        {"enter up", kKeyUp, 0x0D, 1, DialogKeyVerdict::Untranslated},
        {"enter char", kChar, 0x0D, 1, DialogKeyVerdict::Untranslated},
        {"escape down", kKeyDown, 0x1B, 1, DialogKeyVerdict::Untranslated},
        {"escape char", kChar, 0x1B, 1, DialogKeyVerdict::Untranslated},
        {"alt+f4", kSysKeyDown, 0x73, 1 | kAltContext, DialogKeyVerdict::Swallow},
        {"alt+f4 held", kSysKeyDown, 0x73, 3 | kAltContext, DialogKeyVerdict::Swallow},
        {"alt+f4 release", kSysKeyUp, 0x73, 1 | kAltContext, DialogKeyVerdict::Swallow},
        {"f4 down", kKeyDown, 0x73, 1, DialogKeyVerdict::Swallow},
        {"letter s", kChar, 0x73, 1, DialogKeyVerdict::Translate},
        {"alt+s", kSysChar, 0x73, 1 | kAltContext, DialogKeyVerdict::Translate},
        {"unichar s", kUniChar, 0x73, 1, DialogKeyVerdict::Translate},
        {"tab", kKeyDown, 0x09, 1, DialogKeyVerdict::Translate},
        {"space", kKeyDown, 0x20, 1, DialogKeyVerdict::Translate},
        {"mouse with enter-like flags", kMouseMove, 0x0D, 1, DialogKeyVerdict::Translate},
        {"mouse with f4-like flags", kMouseMove, 0x73, 1, DialogKeyVerdict::Translate},
        {"timer 27", kTimer, 0x1B, 0, DialogKeyVerdict::Translate},
        {"private message f4", kApp, 0x73, 1, DialogKeyVerdict::Translate},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.verdict, zep::FilterDialogKey(c.message, c.wParam, c.lParam)) << c.what;
}

}  // namespace
