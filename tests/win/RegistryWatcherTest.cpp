// The registry watcher: a change below the key reaches the target, and so does the key itself when it
// appears after the watch began, or again after it was deleted.
#include <windows.h>

#include <gtest/gtest.h>

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

}  // namespace
