// Which key event the dock takes for its key.
#include <gtest/gtest.h>

#include "launcher/dock/DockKey.h"

namespace zep {
namespace {

TEST(DockKeyTest, DockKeyIsTheExtendedScanCode0x78OnRelease)
{
    struct Case {
        unsigned long flags, scanCode;
        bool dockKey;
    };
    const Case cases[] = {
        {0x81, 0x78, true},   // up, extended
        {0x91, 0x78, true},   // up, injected, extended (as SendInput delivers it)
        {0x01, 0x78, false},  // press
        {0x80, 0x78, false},  // release without the extended flag
        {0x81, 0x77, false},
        {0x81, 0x178, false},
        {0x00, 0x00, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.dockKey, IsDockKeyRelease(c.flags, c.scanCode)) << std::hex << c.flags << " " << c.scanCode;
}

}  // namespace
}  // namespace zep
