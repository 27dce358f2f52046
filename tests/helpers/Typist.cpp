// Test helper: a program a person types into. It keeps the foreground and the keyboard focus, types one key
// (press and release of 'A') every `interval` milliseconds for `seconds` seconds into itself, and measures
// for each key how long it took from the typing to its window; keys that never arrive are lost. A dock that
// blocks the keyboard hook's thread delays every key; one that takes the focus loses them.
//   zep_test_typist.exe [seconds=4] [interval=20] [ready event name]
// The ready event, when named, is set once the window has the focus and typing begins. At the end one line
// goes to the standard output:
//   typed=N received=M lost=K max_ms=X p99_ms=Y focus_lost=F focused=1 (0: it never had the focus)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

LARGE_INTEGER g_frequency;
std::vector<LONGLONG> g_typedAt;  // performance counter, one per key
std::vector<double> g_delaysMs;
int g_focusLost = 0;

LONGLONG Now()
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == 'A' && !(lParam & (1 << 30)) && g_delaysMs.size() < g_typedAt.size()) {
            const LONGLONG typed = g_typedAt[g_delaysMs.size()];
            g_delaysMs.push_back(static_cast<double>(Now() - typed) * 1000.0 / static_cast<double>(g_frequency.QuadPart));
        }
        return 0;
    case WM_KILLFOCUS:
        ++g_focusLost;
        return 0;
    default:
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void Type(bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = 'A';
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(input));
}

void PumpFor(DWORD ms)
{
    const ULONGLONG until = ::GetTickCount64() + ms;
    for (ULONGLONG now = ::GetTickCount64(); now < until; now = ::GetTickCount64()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const int seconds = argc > 1 ? _wtoi(argv[1]) : 4;
    const int interval = argc > 2 ? _wtoi(argv[2]) : 20;
    ::QueryPerformanceFrequency(&g_frequency);

    WNDCLASSW wc = {};
    wc.lpfnWndProc = &Proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZepTypist";
    ::RegisterClassW(&wc);
    HWND window = ::CreateWindowExW(0, L"ZepTypist", L"ZepTypist", WS_POPUP | WS_VISIBLE, 700, 300, 200, 100, nullptr,
                                    nullptr, wc.hInstance, nullptr);
    // Whoever has the foreground now lends its input state for the switch, as a person's click would.
    const DWORD foregroundThread = ::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr);
    ::AttachThreadInput(::GetCurrentThreadId(), foregroundThread, TRUE);
    ::SetForegroundWindow(window);
    ::SetFocus(window);
    ::AttachThreadInput(::GetCurrentThreadId(), foregroundThread, FALSE);
    PumpFor(300);
    const bool focused = ::GetFocus() == window;
    g_focusLost = 0;
    if (argc > 3) {
        if (HANDLE ready = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[3])) {
            ::SetEvent(ready);
            ::CloseHandle(ready);
        }
    }

    const int keys = seconds * 1000 / interval;
    g_typedAt.reserve(static_cast<size_t>(keys));
    for (int i = 0; i < keys; ++i) {
        g_typedAt.push_back(Now());
        Type(false);
        Type(true);
        PumpFor(static_cast<DWORD>(interval));
    }
    PumpFor(1000);  // the last keys' way in

    std::vector<double> sorted = g_delaysMs;
    std::sort(sorted.begin(), sorted.end());
    const double most = sorted.empty() ? 0.0 : sorted.back();
    const double p99 = sorted.empty() ? 0.0 : sorted[(sorted.size() * 99 + 99) / 100 - 1];
    std::printf("typed=%d received=%d lost=%d max_ms=%.1f p99_ms=%.1f focus_lost=%d focused=%d\n", keys,
                static_cast<int>(g_delaysMs.size()), keys - static_cast<int>(g_delaysMs.size()), most, p99, g_focusLost,
                focused ? 1 : 0);
    std::fflush(stdout);
    ::DestroyWindow(window);
    return 0;
}
