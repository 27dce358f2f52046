// The launcher's low-level keyboard hook: every key event reaches the dock dialog as WM_KEYBOARD_EVENT,
// and every key goes on to the rest of the system.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "framework/UniqueResource.h"
#include "launcher/system/KeyboardHook.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {

std::vector<DWORD> g_passedOn;  // scan codes seen by a hook that runs after the launcher's

LRESULT CALLBACK ProbeHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION)
        g_passedOn.push_back(reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->scanCode);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void SendScanCode(WORD scan, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = scan;
    input.ki.dwFlags = KEYEVENTF_SCANCODE | flags;
    ::SendInput(1, &input, sizeof(input));
}

struct KeyEvent {
    WPARAM flags;
    LPARAM scan;
};

// Pumps messages until `count` key events reached `target` or the deadline passed.
std::vector<KeyEvent> CollectKeyEvents(HWND target, size_t count, DWORD timeoutMs)
{
    std::vector<KeyEvent> events;
    const DWORD start = ::GetTickCount();
    while (events.size() < count && ::GetTickCount() - start < timeoutMs) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.hwnd == target && msg.message == WM_KEYBOARD_EVENT)
                events.push_back({msg.wParam, msg.lParam});
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return events;
}

TEST(KeyboardHookTest, EveryKeyEventIsPostedToTheTargetAndPassedOn)
{
    HWND target = ::CreateWindowExW(0, L"STATIC", L"target", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(target);
    // Hooks run newest first: the probe, installed before the launcher's hook, sees what that hook passes on.
    UniqueHook probe(::SetWindowsHookExW(WH_KEYBOARD_LL, &ProbeHook, ::GetModuleHandleW(nullptr), 0));
    ASSERT_TRUE(probe.valid());
    ASSERT_TRUE(KeyboardHook::Install(target));
    ASSERT_TRUE(KeyboardHook::Installed());
    g_passedOn.clear();

    SendScanCode(0x78, KEYEVENTF_EXTENDEDKEY);                    // the dock key, pressed
    SendScanCode(0x78, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP);  // and released
    SendScanCode(0x1E, 0);                                        // an ordinary key ('A')
    SendScanCode(0x1E, KEYEVENTF_KEYUP);
    const std::vector<KeyEvent> events = CollectKeyEvents(target, 4, 5000);

    ASSERT_EQ(4u, events.size());
    struct Expected {
        LPARAM scan;
        bool extended;
        bool up;
    };
    const Expected expected[] = {{0x78, true, false}, {0x78, true, true}, {0x1E, false, false}, {0x1E, false, true}};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i].scan, events[i].scan);
        EXPECT_EQ(expected[i].extended, (events[i].flags & LLKHF_EXTENDED) != 0);
        EXPECT_EQ(expected[i].up, (events[i].flags & LLKHF_UP) != 0);
        EXPECT_TRUE(events[i].flags & LLKHF_INJECTED);
    }
    EXPECT_EQ((std::vector<DWORD>{0x78, 0x78, 0x1E, 0x1E}), g_passedOn) << "a key was swallowed";

    // Installing again replaces the hook rather than stacking a second one.
    ASSERT_TRUE(KeyboardHook::Install(target));
    SendScanCode(0x1E, 0);
    SendScanCode(0x1E, KEYEVENTF_KEYUP);
    EXPECT_EQ(2u, CollectKeyEvents(target, 3, 1500).size());

    KeyboardHook::Remove();
    EXPECT_FALSE(KeyboardHook::Installed());
    SendScanCode(0x1E, 0);
    SendScanCode(0x1E, KEYEVENTF_KEYUP);
    EXPECT_TRUE(CollectKeyEvents(target, 1, 500).empty());
    ::DestroyWindow(target);
}

// The hook runs on a thread of its own: keys typed while the thread that installed it is busy (a fade, a
// blocking slide) go on at once instead of waiting for that thread, and still reach the target.
TEST(KeyboardHookTest, KeysDoNotWaitForTheThreadThatInstalledTheHook)
{
    HWND target = ::CreateWindowExW(0, L"STATIC", L"target", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(target);
    ASSERT_TRUE(KeyboardHook::Install(target));
    std::atomic<DWORD> typedAt{0};
    std::thread typist([&typedAt] {
        for (int i = 0; i < 10; ++i) {
            SendScanCode(0x1E, 0);
            SendScanCode(0x1E, KEYEVENTF_KEYUP);
        }
        typedAt = ::GetTickCount();
    });
    ::Sleep(3000);  // this thread pumps nothing meanwhile
    const DWORD wokeAt = ::GetTickCount();
    typist.join();
    ASSERT_NE(0u, typedAt.load());
    EXPECT_LT(static_cast<LONG>(typedAt.load() - wokeAt), 0) << "typing waited for the busy thread";
    EXPECT_EQ(20u, CollectKeyEvents(target, 20, 5000).size());
    KeyboardHook::Remove();
    ::DestroyWindow(target);
}

}  // namespace
}  // namespace zep
