#pragma once

// Window base of the application framework. One static window procedure serves every window that has a
// C++ object; the object pointer is stored on the window (a window property) before the first message
// arrives, and virtual dispatch takes it from there.
//
// Ownership: a CWnd never owns the object behind another CWnd. Destroying the window first detaches the
// object (m_hWnd becomes null, then PostNcDestroy runs); destroying the object first detaches it and then
// destroys the window, so no message ever reaches a half-destroyed object.
// Thread: a window object is used only on the thread that created its window.

#include <windows.h>

namespace zep {

class CWnd {
public:
    CWnd() noexcept = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const noexcept { return m_hWnd; }
    operator HWND() const noexcept { return m_hWnd; }

    // The object attached to a window, or null.
    static CWnd* FromHandle(HWND hwnd) noexcept;

    // Creates a window whose messages come to this object from the very first one (WM_GETMINMAXINFO /
    // WM_NCCREATE) on. For a child window, idOrMenu is the control identifier.
    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, const RECT& rect,
                  HWND parent, UINT_PTR idOrMenu, void* param = nullptr);

    // Routes the messages of an existing window through this object; the window's previous procedure
    // becomes the default processing. Calls PreSubclassWindow first.
    bool SubclassWindow(HWND hwnd);
    // Gives the window its previous procedure back and detaches this object.
    HWND UnsubclassWindow() noexcept;

    virtual BOOL DestroyWindow();

    // Called by the message loop for every queued message whose target is this window or a descendant,
    // innermost window first. TRUE means the message was handled and is not dispatched.
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Dispatch entry: message handlers of derived classes, then default processing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing: the window's previous procedure, or the system's.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Short-hands for the default processing of the message being handled.
    LRESULT Default() noexcept;

protected:
    // Message handlers. Return true when the message was handled, with its result in *result.
    // Derived classes handle their messages and pass the rest to their base class.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // WM_COMMAND that no child control consumed. Return true when handled.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    // A notification of this control reflected from its parent (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM,
    // WM_MEASUREITEM, WM_CTLCOLOR*). Return true when the control handled it; the parent then stops.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void PreSubclassWindow() {}
    // After WM_NCDESTROY; the object is detached. Objects that delete themselves do it here.
    virtual void PostNcDestroy() {}

    HWND m_hWnd = nullptr;
    WNDPROC m_pfnSuper = nullptr;

private:
    friend class CreationHook;
    friend class CDialog;
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hwnd) noexcept;
    void Detach() noexcept;
    bool ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // The message being dispatched, for Default().
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current{};
};

}  // namespace zep
