// ZepHook64.dll under Wine: the global shell hook reports windows of other processes through the named
// event, and the install / uninstall calls keep exactly one hook or none.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "TestPrograms.h"
#include "framework/Event.h"
#include "framework/UniqueResource.h"
#include "hook/ZepHook.h"
#include "shared/ZepShared.h"

namespace {

using zep::test::BuildBinFolder;
using zep::test::RunProgram;
using zep::test::TestProgramFolder;

constexpr DWORD kDeadlineMs = 20000;
// How long a removed hook is given to show that it still reports; nothing should come at all.
constexpr DWORD kQuietMs = 1000;

class ShellHookLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::wstring path = BuildBinFolder() + ZEP_HOOK64_DLL;
        m_library.reset(::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
        ASSERT_TRUE(m_library) << "cannot load " << std::string(path.begin(), path.end());
        m_install = reinterpret_cast<zep::InstallShellHookProc>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_library.get(), "InstallShellHook")));
        m_uninstall = reinterpret_cast<zep::UnInstallShellHookProc>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_library.get(), "UnInstallShellHook")));
        ASSERT_NE(nullptr, m_install);
        ASSERT_NE(nullptr, m_uninstall);
        ASSERT_TRUE(m_notify.valid());
        m_owner = ::CreateWindowExW(0, L"STATIC", L"hook owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                    nullptr);
        ASSERT_NE(nullptr, m_owner);
    }

    void TearDown() override
    {
        if (m_uninstall)
            m_uninstall();
        if (m_owner)
            ::DestroyWindow(m_owner);
    }

    // Runs the blinker helper to its end: one top-level window created and destroyed in another process.
    void BlinkInAnotherProcess()
    {
        ASSERT_EQ(0u, RunProgram(TestProgramFolder() + L"zep_test_window_blinker.exe"));
    }

    void Drain() { m_notify.Wait(0); }

    zep::UniqueModule m_library;
    zep::InstallShellHookProc m_install = nullptr;
    zep::UnInstallShellHookProc m_uninstall = nullptr;
    zep::CEvent m_notify{false, false, ZEP_SHELL_NOTIFY_EVENT};
    HWND m_owner = nullptr;
};

TEST_F(ShellHookLibraryTest, CreationAndDestructionInAnotherProcessEachSignal)
{
    zep::CEvent created(false, false, L"ZepTestBlinkerCreated");
    zep::CEvent destroy(false, false, L"ZepTestBlinkerDestroy");
    ASSERT_TRUE(m_install(m_owner));
    Drain();

    zep::UniqueHandle blinker =
        zep::test::StartProgram(TestProgramFolder() + L"zep_test_window_blinker.exe", L"stepwise");
    ASSERT_TRUE(blinker);
    ASSERT_TRUE(created.Wait(kDeadlineMs));
    EXPECT_TRUE(m_notify.Wait(kDeadlineMs)) << "window creation not reported";

    Drain();
    destroy.Set();
    EXPECT_TRUE(m_notify.Wait(kDeadlineMs)) << "window destruction not reported";
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(blinker.get(), kDeadlineMs));
}

// A sequence of calls, 'I' for InstallShellHook and 'U' for UnInstallShellHook, and whether a window of
// another process is reported afterwards.
struct CallSequenceCase {
    const char* calls;
    bool reports;
};

void PrintTo(const CallSequenceCase& c, std::ostream* os)
{
    *os << c.calls;
}

class ShellHookCallSequenceTest : public ShellHookLibraryTest,
                                  public ::testing::WithParamInterface<CallSequenceCase> {};

TEST_P(ShellHookCallSequenceTest, LeavesOneHookOrNone)
{
    for (const char* call = GetParam().calls; *call; ++call) {
        if (*call == 'I') {
            EXPECT_TRUE(m_install(m_owner));
        } else {
            EXPECT_TRUE(m_uninstall());
        }
    }
    Drain();
    BlinkInAnotherProcess();
    if (GetParam().reports) {
        EXPECT_TRUE(m_notify.Wait(kDeadlineMs));
    } else {
        EXPECT_FALSE(m_notify.Wait(kQuietMs));
    }
}

INSTANTIATE_TEST_SUITE_P(Calls, ShellHookCallSequenceTest,
                         ::testing::Values(CallSequenceCase{"I", true},      // the plain install
                                           CallSequenceCase{"IU", false},    // removed
                                           CallSequenceCase{"IIU", false},   // a second install adds no second hook
                                           CallSequenceCase{"IUU", false},   // second uninstall harmless
                                           CallSequenceCase{"UU", false},    // uninstall without install
                                           CallSequenceCase{"UUI", true},    // ... leaves install working
                                           CallSequenceCase{"IUI", true}));  // installs again after removal

}  // namespace
