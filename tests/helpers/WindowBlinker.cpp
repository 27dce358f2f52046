// Test helper: a second process that creates a top-level window and destroys it again, so a global
// shell hook has something to report from outside the test process.
//   (no arguments)  create, show and destroy the window at once, then end.
//   stepwise        after creating the window, set the event "ZepTestBlinkerCreated" and wait (at most
//                   30 s) for "ZepTestBlinkerDestroy" before destroying it. The test creates both events.
#include <windows.h>

#include <cwchar>

namespace {

void WaitPumping(HANDLE event)
{
    const ULONGLONG deadline = ::GetTickCount64() + 30000;
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline)
            return;
        const DWORD result = ::MsgWaitForMultipleObjects(1, &event, FALSE, static_cast<DWORD>(deadline - now),
                                                         QS_ALLINPUT);
        if (result != WAIT_OBJECT_0 + 1)
            return;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    const bool stepwise = commandLine && std::wcsstr(commandLine, L"stepwise") != nullptr;
    HWND window = ::CreateWindowExW(0, L"STATIC", L"ZepTestBlinker", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                                    nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return 2;
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    if (stepwise) {
        HANDLE created = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, L"ZepTestBlinkerCreated");
        HANDLE destroy = ::OpenEventW(SYNCHRONIZE, FALSE, L"ZepTestBlinkerDestroy");
        if (!created || !destroy)
            return 3;
        ::SetEvent(created);
        WaitPumping(destroy);
        ::CloseHandle(created);
        ::CloseHandle(destroy);
    }
    ::DestroyWindow(window);
    return 0;
}
