#pragma once

#include <windows.h>

#include <initializer_list>

#include "framework/UniqueResource.h"

namespace zep {

// A kernel event, named (shared with other processes) or unnamed. Any thread may set or wait.
class CEvent {
public:
    // Opens the named event if it exists, creates it otherwise. A null name makes a private event.
    CEvent(bool manualReset, bool initiallySet, const wchar_t* name = nullptr) noexcept
        : m_handle(::CreateEventW(nullptr, manualReset ? TRUE : FALSE, initiallySet ? TRUE : FALSE, name))
    {
    }

    bool valid() const noexcept { return m_handle.valid(); }
    HANDLE handle() const noexcept { return m_handle.get(); }
    bool Set() noexcept { return ::SetEvent(m_handle.get()) != FALSE; }
    bool Reset() noexcept { return ::ResetEvent(m_handle.get()) != FALSE; }
    // True when the event was set within the timeout.
    bool Wait(DWORD timeoutMs) const noexcept
    {
        return ::WaitForSingleObject(m_handle.get(), timeoutMs) == WAIT_OBJECT_0;
    }

    // Waits for the first of several events; returns its index, or -1 on time-out or failure.
    static int WaitForAny(std::initializer_list<const CEvent*> events, DWORD timeoutMs) noexcept;

private:
    UniqueHandle m_handle;
};

}  // namespace zep
