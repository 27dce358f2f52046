// Spoiled installations and small screens: the launcher comes up, and nothing crashes, hangs or stays behind.

#include "E2e.h"

#include <aclapi.h>

#include <functional>
#include <thread>

namespace zep::e2e {
namespace {

void SetDirection(DWORD type, const std::string& bytes)
{
    SetUserValue(L"Direction", type, bytes.data(), static_cast<DWORD>(bytes.size()));
}
std::string Dword(DWORD value) { return std::string(reinterpret_cast<const char*>(&value), sizeof(value)); }

std::string RepeatedTo(const std::string& line, size_t size)
{
    std::string text;
    while (text.size() < size) text += line;
    return text.substr(0, size);
}

// A window of the assistant's class and title whose thread never reads its queue: an assistant that hangs. It
// is there before the launcher starts, so the real assistant ends at once as a second one.
HANDLE g_hungStop = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
std::thread g_hungAssistant;
void StartHungAssistant()
{
    HANDLE made = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    ::ResetEvent(g_hungStop);
    g_hungAssistant = std::thread([made] {
        const WNDCLASSW windowClass = {0, ::DefWindowProcW, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, ZEP_ASSISTANT_CLASS};
        ::RegisterClassW(&windowClass);
        HWND window = ::CreateWindowExW(0, ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT64_TITLE, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                        nullptr, nullptr);
        ::SetEvent(made);
        ::WaitForSingleObject(g_hungStop, INFINITE);
        ::DestroyWindow(window);
        ::UnregisterClassW(ZEP_ASSISTANT_CLASS, nullptr);
    });
    ::WaitForSingleObject(made, INFINITE);
    ::CloseHandle(made);
}

// Each row spoils one thing of a fresh installation (or of the running launcher's world): the launcher still
// comes up parked on the right edge (saying why, where the row names a debug string), the dock key brings the
// bar in (then `check`, if any, with the bar in) and out again, and closing it frees the instance mutex.
struct FaultCase {
    const char* name;
    std::function<void()> spoil;
    std::function<void()> check;
    const char* says = nullptr;
    bool whileRunning = false;
};
std::ostream& operator<<(std::ostream& out, const FaultCase& row) { return out << row.name; }

const FaultCase kFaults[] = {
    {"ini_missing", [] { ASSERT_TRUE(::DeleteFileW((kOwnFolder + L"LaunchInfo.ini").c_str())); }, nullptr},
    {"ini_empty", [] { WriteFileBytes(kOwnFolder + L"LaunchInfo.ini", ""); }, nullptr},
    {"ini_garbage", [] { WriteFileBytes(kOwnFolder + L"LaunchInfo.ini", NoiseBytes(65536)); }, nullptr},
    {"ini_enormous",
     [] { WriteFileBytes(kOwnFolder + L"LaunchInfo.ini", RepeatedTo("[ZepBright]ExecutePath=\\\\Zephra\\\\x\n", 4000000)); },
     nullptr},
    {"direction_sz", [] { SetDirection(REG_SZ, std::string("2\0\0\0", 4)); }, nullptr},
    {"direction_binary", [] { SetDirection(REG_BINARY, Dword(2)); }, nullptr},
    {"direction_two_bytes", [] { SetDirection(REG_BINARY, std::string("\2\0", 2)); }, nullptr},
    {"direction_minus_one", [] { SetDirection(REG_DWORD, Dword(0xffffffff)); }, nullptr},
    {"direction_four", [] { SetDirection(REG_DWORD, Dword(4)); }, nullptr},
    {"path_300", [] { SetMachineValue(L"ZepBright", L"C:\\" + std::wstring(300, L'p')); }, nullptr},
    {"path_is_a_file", [] { SetMachineValue(L"ZepAir", ToolFolder(L"ZepAir") + L"\\ZepAir.exe"); }, nullptr},
    {"hklm_key_missing", [] { DeleteMachineKey(); }, nullptr},
    {"assistant_missing", [] { ASSERT_TRUE(::DeleteFileW((kAssistantFolder + ZEP_ASSISTANT64_EXE).c_str())); }, nullptr,
     "X64 OS execute ZepAssistant64.exe fail, Zephra runs without the 64-bit shell hook"},
    {"assistant_not_a_program", [] { WriteFileBytes(kAssistantFolder + ZEP_ASSISTANT64_EXE, NoiseBytes(4096)); }, nullptr,
     "X64 OS execute ZepAssistant64.exe fail, Zephra runs without the 64-bit shell hook"},
    {"assistant_hung", StartHungAssistant, nullptr,
     "ZepAssistant64 does not answer: Zephra runs without the 64-bit shell hook"},
    {"assistant_killed", [] { KillProcessesNamed(ZEP_ASSISTANT64_EXE); }, nullptr, nullptr, true},
    {"machine_key_made_again",
     [] {
         DeleteMachineKey();
         for (const wchar_t* tool : kAllTools) SetMachineValue(tool, ToolFolder(tool));
     },
     nullptr, nullptr, true},
    {"hook64_missing", [] { ASSERT_TRUE(::DeleteFileW((kAssistantFolder + ZEP_HOOK64_DLL).c_str())); }, nullptr},
    {"hook64_not_a_program", [] { WriteFileBytes(kAssistantFolder + ZEP_HOOK64_DLL, NoiseBytes(4096)); }, nullptr},
    // A path holds up to its first NUL, as Windows reads it.
    {"path_embedded_nul",
     [] { SetMachineValue(L"ZepBright", ToolFolder(L"ZepBright") + std::wstring(1, L'\0') + L"junk"); },
     [] { EXPECT_TRUE(ButtonVisible(1000)); }},
    {"path_nul_first", [] { SetMachineValue(L"ZepBright", std::wstring(1, L'\0') + ToolFolder(L"ZepBright")); },
     [] { EXPECT_FALSE(ButtonVisible(1000)); }},
};

class Faults : public DockTest, public ::testing::WithParamInterface<FaultCase> {
protected:
    void TearDown() override
    {
        if (g_hungAssistant.joinable()) {
            ::SetEvent(g_hungStop);
            g_hungAssistant.join();
        }
        DockTest::TearDown();
    }
};

TEST_P(Faults, TheLauncherCopes)
{
    const FaultCase& fault = GetParam();
    if (!fault.whileRunning) fault.spoil();
    ASSERT_FALSE(HasFatalFailure());
    DebuggedProcess& launcher = StartLauncher();
    ASSERT_TRUE(LauncherReady());
    if (fault.whileRunning) fault.spoil();
    EXPECT_TRUE(WindowAt(kBarTitle, kParkedRight));
    if (fault.says) {
        EXPECT_TRUE(DebugString(fault.says));
    }
    EXPECT_TRUE(Reveal(kShownRight));
    if (fault.check) fault.check();
    PressDockKey();
    EXPECT_TRUE(WindowAt(kBarTitle, kParkedRight));
    EXPECT_TRUE(CloseLauncher());
    EXPECT_TRUE(InstanceMutexFree());
    EXPECT_TRUE(NoProcessNamed(ZEP_ASSISTANT64_EXE)) << "an assistant stayed";
    EXPECT_TRUE(launcher.WaitForExit(kAppears));
    EXPECT_TRUE(NoExceptions(launcher));
}

INSTANTIATE_TEST_SUITE_P(Installations, Faults, ::testing::ValuesIn(kFaults), RowName());

// Gives the per-user key a protected access list: everyone may read it, and write it too unless readOnly.
DWORD SetUserKeyAccess(bool readOnly)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Zephra", 0, nullptr, 0, WRITE_DAC | KEY_READ, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return ERROR_ACCESS_DENIED;
    EXPLICIT_ACCESSW access = {};
    access.grfAccessPermissions = readOnly ? KEY_READ | READ_CONTROL | WRITE_DAC : KEY_ALL_ACCESS;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = NO_INHERITANCE;
    access.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    access.Trustee.ptstrName = const_cast<wchar_t*>(L"EVERYONE");
    PACL acl = nullptr;
    DWORD status = ::SetEntriesInAclW(1, &access, nullptr, &acl);
    if (status == ERROR_SUCCESS) {
        status = ::SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                   nullptr, nullptr, acl, nullptr);
        ::LocalFree(acl);
    }
    ::RegCloseKey(key);
    return status;
}

// The per-user key readable but not writable (a locked-down profile), holding the left edge: the bar comes
// up on the left, and an edge change, which cannot be stored, is abandoned.
TEST_F(DockTest, AReadOnlyUserKeyAbandonsAnEdgeChange)
{
    Install(1);
    ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SetUserKeyAccess(true));
    struct GiveBack {
        ~GiveBack() { EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SetUserKeyAccess(false)); }
    } giveBack;
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(WindowAt(kBarTitle, {-133, 20, 133, 1040}));
    ASSERT_TRUE(Reveal({-11, 20, 133, 1040}));
    SendToDock(WM_DIRECTION_CHANGE, 0, 0);  // to the right edge
    EXPECT_TRUE(WindowAt(kBarTitle, {-11, 20, 133, 1040}));
    EXPECT_TRUE(CloseLauncher());
    EXPECT_EQ(L"0x1", StoredEdge()) << "Direction after the abandoned change";
}

// Smaller screens, each on a display and wineserver of its own (CTest sets ZEP_WINE_SCREEN for each): the bar
// parks just beyond the edge, comes in by its visible width and stays centred along the edge, also where it
// is longer than the screen (1040 pixels against 768 or 800).
struct ScreenCase {
    const char* name;
    int width, height, edge;
    Box parked, shown;
};
std::ostream& operator<<(std::ostream& out, const ScreenCase& row) { return out << row.name; }

class SmallScreen : public DockTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(SmallScreen, ParksAndSlidesCentredAlongTheEdge)
{
    const ScreenCase& c = GetParam();
    ASSERT_EQ(c.width, ::GetSystemMetrics(SM_CXSCREEN)) << "runs with ZEP_WINE_SCREEN=" << c.name;
    ASSERT_EQ(c.height, ::GetSystemMetrics(SM_CYSCREEN)) << "runs with ZEP_WINE_SCREEN=" << c.name;
    Install(c.edge);
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(WindowAt(kBarTitle, c.parked));
    ASSERT_TRUE(Reveal(c.shown));
    PressDockKey();
    EXPECT_TRUE(WindowAt(kBarTitle, c.parked));
}

INSTANTIATE_TEST_SUITE_P(Screens, SmallScreen,
                         ::testing::Values(ScreenCase{"1366x768", 1366, 768, 0, {1366, -136, 133, 1040}, {1244, -136, 133, 1040}},
                                           ScreenCase{"1024x768", 1024, 768, 0, {1024, -136, 133, 1040}, {902, -136, 133, 1040}},
                                           ScreenCase{"800x600", 800, 600, 3, {-120, 600, 1040, 133}, {-120, 478, 1040, 133}}),
                         RowName());

}  // namespace
}  // namespace zep::e2e
