// ZepAssistant64 end to end under Wine: its hidden window, the launcher's messages and their replies,
// the single-instance test, where it takes ZepHook64.dll from, and its debug strings.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DebuggedProcess.h"
#include "TempFolder.h"
#include "TestPrograms.h"
#include "framework/Event.h"
#include "shared/ZepShared.h"

namespace {

using zep::test::BuildBinFolder;
using zep::test::DebuggedProcess;
using zep::test::TempFolder;
using zep::test::TestProgramFolder;
using Strings = std::vector<std::string>;

constexpr DWORD kDeadlineMs = 20000;
constexpr DWORD kQuietMs = 1000;

std::wstring AssistantPath()
{
    return BuildBinFolder() + ZEP_ASSISTANT64_EXE;
}

HWND FindAssistant()
{
    return ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT64_TITLE);
}

// The assistant's window once it is there; null when the process ends first or the deadline passes.
HWND WaitForAssistantWindow(DebuggedProcess& process)
{
    const ULONGLONG deadline = ::GetTickCount64() + kDeadlineMs;
    while (::GetTickCount64() < deadline) {
        if (HWND window = FindAssistant())
            return window;
        if (process.WaitForExit(20))
            return FindAssistant();
    }
    return nullptr;
}

void RunBlinker()
{
    ASSERT_EQ(0u, zep::test::RunProgram(TestProgramFolder() + L"zep_test_window_blinker.exe"));
}

class AssistantTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(nullptr, FindAssistant()) << "an assistant from elsewhere is running"; }

    TempFolder m_workFolder;  // the assistant's current folder: empty
};

TEST_F(AssistantTest, HiddenWindowServesTheLauncherMessages)
{
    zep::CEvent notify(false, false, ZEP_SHELL_NOTIFY_EVENT);
    DebuggedProcess assistant(AssistantPath(), m_workFolder.path());
    ASSERT_TRUE(assistant.started());
    HWND window = WaitForAssistantWindow(assistant);
    ASSERT_NE(nullptr, window);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    EXPECT_EQ(assistant.processId(), owner);
    EXPECT_FALSE(::IsWindowVisible(window));

    // A launch request meant for the 32-bit assistant: refused.
    wchar_t request[] = L"C:\\Program Files\\Zephra\\Tool\\Tool.exe";
    COPYDATASTRUCT data = {1, sizeof(request), request};
    EXPECT_EQ(0, ::SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));

    EXPECT_EQ(0, ::SendMessageW(window, WM_INSTALLSHELLHOOK64, 0, 0));
    notify.Wait(0);
    RunBlinker();
    EXPECT_TRUE(notify.Wait(kDeadlineMs)) << "installed hook does not report another process's window";

    EXPECT_EQ(0, ::SendMessageW(window, WM_UNINSTALLSHELLHOOK64, 0, 0));
    notify.Wait(0);
    RunBlinker();
    EXPECT_FALSE(notify.Wait(kQuietMs)) << "hook still reports after WM_UNINSTALLSHELLHOOK64";
    EXPECT_FALSE(::IsWindowVisible(window));

    ASSERT_TRUE(::PostMessageW(window, WM_CLOSE, 0, 0));
    ASSERT_TRUE(assistant.WaitForExit(kDeadlineMs));
    EXPECT_EQ(0u, assistant.exitCode());
    EXPECT_EQ(nullptr, FindAssistant());
    EXPECT_EQ((Strings{"ZepAssistant64 InitInstance", "Assistant64 InstallShellHook64",
                       "Assistant64 UninstallShellHook64", "ZepAssistant DestroyWindow"}),
              assistant.DebugStrings());
}

TEST_F(AssistantTest, SecondInstanceEndsAtOnceAndLeavesTheFirst)
{
    DebuggedProcess first(AssistantPath(), m_workFolder.path());
    HWND window = WaitForAssistantWindow(first);
    ASSERT_NE(nullptr, window);

    DebuggedProcess second(AssistantPath(), m_workFolder.path());
    ASSERT_TRUE(second.started());
    ASSERT_TRUE(second.WaitForExit(kDeadlineMs));
    EXPECT_EQ(Strings{}, second.DebugStrings());

    EXPECT_EQ(window, FindAssistant());
    EXPECT_FALSE(first.WaitForExit(0));
    EXPECT_EQ(0, ::SendMessageW(window, WM_INSTALLSHELLHOOK64, 0, 0));

    ::PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(first.WaitForExit(kDeadlineMs));
    EXPECT_EQ((Strings{"ZepAssistant64 InitInstance", "Assistant64 InstallShellHook64", "ZepAssistant DestroyWindow"}),
              first.DebugStrings());
}

// Where a file named ZepHook64.dll lies when the assistant, copied alone to a folder, starts.
enum class Library { None, Hook, NoExports };

struct PlacementCase {
    const char* name;
    Library besideProgram;
    Library inWorkFolder;
    bool runs;
    Strings debugStrings;  // up to the end (failure) or while running
};

void PrintTo(const PlacementCase& c, std::ostream* os)
{
    *os << c.name;
}

std::wstring LibrarySource(Library library)
{
    return library == Library::Hook ? BuildBinFolder() + ZEP_HOOK64_DLL
                                    : TestProgramFolder() + L"zep_test_no_exports.dll";
}

class AssistantLibraryPlacementTest : public AssistantTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(AssistantLibraryPlacementTest, RunsOnlyWithTheLibraryBesideIt)
{
    const PlacementCase& c = GetParam();
    TempFolder programFolder;
    const std::wstring program = programFolder.Copy(AssistantPath(), ZEP_ASSISTANT64_EXE);
    ASSERT_FALSE(program.empty());
    if (c.besideProgram != Library::None) {
        ASSERT_FALSE(programFolder.Copy(LibrarySource(c.besideProgram), ZEP_HOOK64_DLL).empty());
    }
    if (c.inWorkFolder != Library::None) {
        ASSERT_FALSE(m_workFolder.Copy(LibrarySource(c.inWorkFolder), ZEP_HOOK64_DLL).empty());
    }

    DebuggedProcess assistant(program, m_workFolder.path());
    ASSERT_TRUE(assistant.started());
    if (c.runs) {
        HWND window = WaitForAssistantWindow(assistant);
        ASSERT_NE(nullptr, window);
        EXPECT_EQ(c.debugStrings, assistant.DebugStrings());
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        ASSERT_TRUE(assistant.WaitForExit(kDeadlineMs));
    } else {
        // The window exists for the span of its own creation only; the process ends by itself.
        ASSERT_TRUE(assistant.WaitForExit(kDeadlineMs));
        EXPECT_EQ(nullptr, FindAssistant());
        EXPECT_EQ(c.debugStrings, assistant.DebugStrings());
    }
}

const Strings kLoadFailed = {"ZepAssistant64 InitInstance", "Load ZepHook64.dll Failed"};

INSTANTIATE_TEST_SUITE_P(
    Placements, AssistantLibraryPlacementTest,
    ::testing::Values(PlacementCase{"beside", Library::Hook, Library::None, true, {"ZepAssistant64 InitInstance"}},
                      PlacementCase{"missing", Library::None, Library::None, false, kLoadFailed},
                      // The current folder is no place to load a library from.
                      PlacementCase{"work-folder-only", Library::None, Library::Hook, false, kLoadFailed},
                      PlacementCase{"no-exports",
                                    Library::NoExports,
                                    Library::None,
                                    false,
                                    {"ZepAssistant64 InitInstance", "Load Func Fail", "Load ZepHook64.dll Failed"}}));

}  // namespace
