#include "framework/CreationHook.h"

#include <cwchar>

#include "framework/Wnd.h"

namespace zep {
namespace {
thread_local CWnd* t_pending = nullptr;

bool IsImeWindow(HWND hwnd) noexcept
{
    // The system creates the thread's default IME windows lazily, inside the first CreateWindowEx call of
    // a thread; they must not take the object meant for the window being created.
    wchar_t cls[32] = {};
    ::GetClassNameW(hwnd, cls, 32);
    return std::wcscmp(cls, L"IME") == 0 || std::wcscmp(cls, L"MSCTFIME UI") == 0;
}
}  // namespace

CreationHook::CreationHook(CWnd* wnd) noexcept
    : m_hook(::SetWindowsHookExW(WH_CBT, &CbtProc, nullptr, ::GetCurrentThreadId())), m_previous(t_pending)
{
    t_pending = wnd;
}

CreationHook::~CreationHook()
{
    t_pending = m_previous;
    if (m_hook)
        ::UnhookWindowsHookEx(m_hook);
}

LRESULT CALLBACK CreationHook::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_pending) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        if (!IsImeWindow(hwnd)) {
            CWnd* wnd = t_pending;
            t_pending = nullptr;
            wnd->Attach(hwnd);
            wnd->PreSubclassWindow();
            wnd->m_pfnSuper = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWndProc)));
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace zep
