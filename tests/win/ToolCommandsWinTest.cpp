// The commands' Windows side: a launch request reaching the 32-bit assistant's window through the
// non-x64 path, and not waiting for an assistant that does not answer.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <thread>
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

// An assistant whose thread is stuck does not hold the dock: the request returns while it still sleeps.
TEST(ToolCommandsWinTest, LaunchRequestDoesNotWaitForAStuckAssistant)
{
    HANDLE created = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD wokeAt = 0;
    std::thread stuck([created, &wokeAt] {
        MessageSink assistant(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT32_TITLE);
        ::SetEvent(created);
        ::Sleep(8000);  // answers nothing meanwhile
        wokeAt = ::GetTickCount();
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
    });
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(created, 5000));
    NotX64System system;
    EXPECT_TRUE(system.SendLaunchRequest(2030, "request", 7));
    const DWORD returnedAt = ::GetTickCount();
    stuck.join();
    ::CloseHandle(created);
    EXPECT_LT(static_cast<LONG>(returnedAt - wokeAt), 0) << "the request waited for the stuck assistant";
}

}  // namespace
