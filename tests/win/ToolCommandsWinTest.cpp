// The commands' Windows side: a launch request reaching the 32-bit assistant's window through the
// non-x64 path, and the settings panel's buttons and setting-change handling.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "MessageSink.h"
#include "launcher/tools/ToolCommand.h"
#include "launcher/tools/Win32ToolSystem.h"
#include "shared/ZepShared.h"

namespace {

// The launcher's system seam on a Windows that is not x64.
class NotX64System : public zep::CWin32ToolSystem {
public:
    bool IsX64Windows() override { return false; }
};

TEST(ToolCommandsWinTest, LaunchRequestReachesTheAssistantWindowWhole)
{
    zep::LaunchEntry entries[zep::kToolSlots] = {};
    std::wmemset(entries[5].szPath, L'#', zep::kPathChars);  // nothing after a terminator may go out
    std::wmemset(entries[5].szExeName, L'#', zep::kNameChars);
    std::wcscpy(entries[5].szPath, L"C:\\Program Files\\Zephra\\Tools\\ZepTouch\\");
    std::wcscpy(entries[5].szExeName, L"ZepTouch.exe");
    NotX64System system;
    {
        MessageSink assistant(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT32_TITLE);
        zep::RunToolCommand(zep::ToolCommandFor(zep::DockButton::Tool5), entries, system);
        EXPECT_EQ(2031u, assistant.copyCode);
        ASSERT_EQ(620u, assistant.copied.size());
        zep::LaunchEntry expected{};
        std::wcscpy(expected.szPath, L"C:\\Program Files\\Zephra\\Tools\\ZepTouch\\");
        std::wcscpy(expected.szExeName, L"ZepTouch.exe");
        EXPECT_EQ(0, std::memcmp(assistant.copied.data(), &expected, sizeof(expected)));
    }
    EXPECT_FALSE(system.SendLaunchRequest(2030, "", 0));  // no assistant window any more
}

}  // namespace
