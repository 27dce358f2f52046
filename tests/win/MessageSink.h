#pragma once

// A test window of a given class and title that keeps the messages a test waits for: the launch requests
// (WM_COPYDATA) an assistant gets and the settings panel's messages to the dock.
#include <windows.h>

#include <string>
#include <vector>

#include "shared/ZepShared.h"

class MessageSink {
public:
    MessageSink(const wchar_t* className, const wchar_t* title)
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &MessageSink::Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = className;
        ::RegisterClassW(&wc);
        m_hwnd = ::CreateWindowExW(0, className, title, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
        ::SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~MessageSink() { ::DestroyWindow(m_hwnd); }
    operator HWND() const { return m_hwnd; }

    std::vector<MSG> messages;
    std::string copied;  // bytes of the last WM_COPYDATA
    ULONG_PTR copyCode = 0;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<MessageSink*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && message == WM_COPYDATA) {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            self->copyCode = data->dwData;
            self->copied.assign(static_cast<const char*>(data->lpData), data->cbData);
            return 0;
        }
        if (self && (message == WM_DIRECTION_CHANGE || message == WM_SETTING_CLOSE))
            self->messages.push_back(MSG{hwnd, message, wParam, lParam, 0, {}});
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND m_hwnd;
};
