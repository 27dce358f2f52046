// The registry watcher: a change below the key reaches the target, and so does the key itself when it
// appears after the watch began, or again after it was deleted, and a change made between the target's read
// and the start of the watch.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "launcher/system/RegistryWatcher.h"
#include "shared/ZepShared.h"

namespace {

const wchar_t kKey[] = L"Software\\ZepWatchProbe";

// Waits for WM_REGISTRY_CHANGED on this thread's queue.
bool Reported(DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - start < timeoutMs) {
        if (::PeekMessageW(&msg, nullptr, WM_REGISTRY_CHANGED, WM_REGISTRY_CHANGED, PM_REMOVE))
            return true;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_POSTMESSAGE);
    }
    return false;
}

void SetValue(const wchar_t* name)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                                               nullptr));
    const DWORD one = 1;
    ::RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof(one));
    ::RegCloseKey(key);
}

TEST(RegistryWatcherTest, AKeyThatAppearsLaterIsWatchedToo)
{
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    HWND target = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    zep::RegistryWatcher watcher;
    ASSERT_TRUE(watcher.Start(HKEY_CURRENT_USER, kKey, target));
    EXPECT_FALSE(Reported(500)) << "nothing changed yet";

    for (const char* round : {"created", "made again"}) {
        SCOPED_TRACE(round);
        SetValue(L"ZepTool");  // the key appears with a tool's value in it
        EXPECT_TRUE(Reported(10000));
        Reported(500);  // the value written right after the key may come as a second report
        SetValue(L"ZepOtherTool");
        EXPECT_TRUE(Reported(10000));
        ASSERT_EQ(ERROR_SUCCESS, ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey));
        EXPECT_TRUE(Reported(10000));
        EXPECT_TRUE(watcher.Running());
    }
    watcher.Stop();
    EXPECT_FALSE(watcher.Running());
    ::DestroyWindow(target);
}

// When the key was last written, as its reader saw it; zero when missing.
ULONGLONG SeenWritten()
{
    HKEY key = nullptr;
    FILETIME written{};
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       &written);
    ::RegCloseKey(key);
    return (static_cast<ULONGLONG>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
}

// The key as it was read, what happened before the watch began, and whether that is reported.
struct StartCase {
    const char* name;
    bool presentAtRead;
    void (*meanwhile)();
    bool reported;
};

const StartCase kStarts[] = {
    {"present_unchanged", true, [] {}, false},
    {"present_value_written", true, [] { SetValue(L"ZepOtherTool"); }, true},
    {"present_deleted", true, [] { ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }, true},
    {"missing_still_missing", false, [] {}, false},
    {"missing_created", false, [] { SetValue(L"ZepTool"); }, true},
};

class RegistryWatcherStartTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(RegistryWatcherStartTest, ReportsWhatChangedSinceTheRead)
{
    const StartCase& row = GetParam();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    if (row.presentAtRead)
        SetValue(L"ZepTool");
    const ULONGLONG seen = SeenWritten();
    ::Sleep(50);  // a later write gets a later time stamp
    row.meanwhile();
    HWND target = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    zep::RegistryWatcher watcher;
    ASSERT_TRUE(watcher.Start(HKEY_CURRENT_USER, kKey, target, seen));
    EXPECT_EQ(row.reported, Reported(row.reported ? 10000 : 1000));
    EXPECT_FALSE(Reported(500)) << "reported twice";
    watcher.Stop();
    ::DestroyWindow(target);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
}

INSTANTIATE_TEST_SUITE_P(Rows, RegistryWatcherStartTest, ::testing::ValuesIn(kStarts),
                         [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

}  // namespace
