#pragma once

#include <windows.h>

namespace zep {

class CWnd;

// Attaches a CWnd to the window that the current thread creates next, before that window receives its
// first message. A thread-local CBT hook is installed for the lifetime of this object; the first window
// created on this thread (other than the system's IME windows) is subclassed to CWnd's procedure.
// Nested creations inside the window's own creation messages are not attached unless they use a
// CreationHook of their own.
class CreationHook {
public:
    explicit CreationHook(CWnd* wnd) noexcept;
    ~CreationHook();
    CreationHook(const CreationHook&) = delete;
    CreationHook& operator=(const CreationHook&) = delete;

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook;
    CWnd* m_previous;
};

}  // namespace zep
