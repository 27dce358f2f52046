// The benchmarks' reference: a trivial Win32 program making the launcher's system calls for the same work,
// so launcher timings can be given as ratios that drift with the machine, not with the launcher. One
// window titled "ZepBenchReference"; a low-level keyboard hook posts every key to it, and a release of the
// dock key (extended scan code 0x78) slides the window 10 pixels per 10 ms tick, 12 ticks, like a reveal.

#include <windows.h>

namespace {

const UINT kKeyMessage = WM_APP + 1;
const UINT_PTR kSlideTimer = 1;
HWND g_window = nullptr;
HHOOK g_hook = nullptr;
int g_ticksLeft = 0;
int g_direction = -10;

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const KBDLLHOOKSTRUCT* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        PostMessageW(g_window, kKeyMessage, key->flags, static_cast<LPARAM>(key->scanCode));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kKeyMessage:
        if ((wParam & 0x81) == 0x81 && lParam == 0x78 && g_ticksLeft == 0) {
            g_ticksLeft = 12;
            g_direction = -g_direction;
            SetTimer(window, kSlideTimer, 10, nullptr);
        }
        return 0;
    case WM_TIMER: {
        RECT rc = {};
        GetWindowRect(window, &rc);
        SetWindowPos(window, nullptr, rc.left + g_direction, rc.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (--g_ticksLeft == 0) KillTimer(window, kSlideTimer);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"ZepBenchReference";
    RegisterClassW(&wc);
    g_window = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"ZepBenchReference", WS_POPUP | WS_VISIBLE, 1000,
                               100, 133, 600, nullptr, nullptr, instance, nullptr);
    g_hook = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, instance, 0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    UnhookWindowsHookEx(g_hook);
    return 0;
}
