#pragma once

// Move-only owners for Win32 handles. Each owner closes its resource exactly once, when it is reset,
// reassigned or destroyed, and reports to ResourceCounter so tests can check for leaks.

#include <windows.h>

#include <cstdint>
#include <utility>

#include "framework/ResourceCounter.h"

namespace zep {

// The owner of one resource of kind `Kind` whose handle type is T, closed with `Close`; `InvalidValue` is
// the handle that stands for none (null, or -1 for a search handle).
template <typename T, auto Close, ResourceKind Kind, std::intptr_t InvalidValue = 0>
class UniqueResource {
public:
    UniqueResource() noexcept = default;
    explicit UniqueResource(T value) noexcept : m_value(value) { Track(+1); }
    ~UniqueResource() { reset(); }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& other) noexcept : m_value(other.release_untracked()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept
    {
        if (this != &other) {
            reset();
            m_value = other.release_untracked();
        }
        return *this;
    }

    static T Invalid() noexcept { return reinterpret_cast<T>(InvalidValue); }
    T get() const noexcept { return m_value; }
    bool valid() const noexcept { return m_value != Invalid(); }
    explicit operator bool() const noexcept { return valid(); }

    // Gives up ownership without closing; the caller becomes responsible for the resource.
    T release() noexcept
    {
        Track(-1);
        return release_untracked();
    }
    void reset(T value = Invalid()) noexcept
    {
        if (valid()) {
            Track(-1);
            Close(m_value);
        }
        m_value = value;
        Track(+1);
    }

    // Out-parameter for creator functions: closes the current resource, and counts the new one when
    // the returned proxy goes out of scope at the end of the full expression.
    class OutParam {
    public:
        explicit OutParam(UniqueResource& owner) noexcept : m_owner(owner) {}
        ~OutParam() { m_owner.Track(+1); }
        OutParam(const OutParam&) = delete;
        OutParam& operator=(const OutParam&) = delete;
        operator T*() noexcept { return &m_owner.m_value; }

    private:
        UniqueResource& m_owner;
    };
    OutParam put() noexcept
    {
        reset();
        return OutParam(*this);
    }

private:
    void Track(long delta) const noexcept
    {
        if (valid())
            ResourceCounter::Add(Kind, delta);
    }
    T release_untracked() noexcept { return std::exchange(m_value, Invalid()); }

    T m_value = Invalid();
};

using UniqueHandle = UniqueResource<HANDLE, &::CloseHandle, ResourceKind::KernelHandle>;
using UniqueFindHandle = UniqueResource<HANDLE, &::FindClose, ResourceKind::FindHandle, -1>;
using UniqueFileHandle = UniqueResource<HANDLE, &::CloseHandle, ResourceKind::KernelHandle, -1>;  // CreateFileW
using UniqueHkey = UniqueResource<HKEY, &::RegCloseKey, ResourceKind::RegistryKey>;
using UniqueGdiObject = UniqueResource<HGDIOBJ, &::DeleteObject, ResourceKind::GdiObject>;
using UniqueMemoryDc = UniqueResource<HDC, &::DeleteDC, ResourceKind::MemoryDc>;
using UniqueHglobal = UniqueResource<HGLOBAL, &::GlobalFree, ResourceKind::GlobalMemory>;
using UniqueModule = UniqueResource<HMODULE, &::FreeLibrary, ResourceKind::Module>;
using UniqueHook = UniqueResource<HHOOK, &::UnhookWindowsHookEx, ResourceKind::WindowsHook>;

// A window's device context, released (not deleted) to its window.
class UniqueWindowDc {
public:
    UniqueWindowDc() noexcept = default;
    explicit UniqueWindowDc(HWND hwnd) noexcept : m_hwnd(hwnd), m_hdc(::GetDC(hwnd))
    {
        if (m_hdc)
            ResourceCounter::Add(ResourceKind::WindowDc, +1);
    }
    ~UniqueWindowDc()
    {
        if (m_hdc) {
            ResourceCounter::Add(ResourceKind::WindowDc, -1);
            ::ReleaseDC(m_hwnd, m_hdc);
        }
    }
    UniqueWindowDc(UniqueWindowDc&& other) noexcept
        : m_hwnd(other.m_hwnd), m_hdc(std::exchange(other.m_hdc, nullptr))
    {
    }
    UniqueWindowDc& operator=(UniqueWindowDc&&) = delete;
    UniqueWindowDc(const UniqueWindowDc&) = delete;
    UniqueWindowDc& operator=(const UniqueWindowDc&) = delete;

    HDC get() const noexcept { return m_hdc; }
    explicit operator bool() const noexcept { return m_hdc != nullptr; }

private:
    HWND m_hwnd = nullptr;
    HDC m_hdc = nullptr;
};

// Selects an object into a DC and puts the previous one back when it goes out of scope.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC hdc, HGDIOBJ object) noexcept : m_hdc(hdc), m_previous(::SelectObject(hdc, object)) {}
    ~ScopedSelectObject()
    {
        if (m_previous && m_previous != HGDI_ERROR)
            ::SelectObject(m_hdc, m_previous);
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC m_hdc;
    HGDIOBJ m_previous;
};

// Owner of one COM interface pointer (one reference).
template <typename I>
class UniqueComPtr {
public:
    UniqueComPtr() noexcept = default;
    ~UniqueComPtr() { reset(); }
    UniqueComPtr(UniqueComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    UniqueComPtr& operator=(UniqueComPtr&& other) noexcept
    {
        if (this != &other) {
            reset();
            m_p = std::exchange(other.m_p, nullptr);
        }
        return *this;
    }
    UniqueComPtr(const UniqueComPtr&) = delete;
    UniqueComPtr& operator=(const UniqueComPtr&) = delete;

    I* get() const noexcept { return m_p; }
    I* operator->() const noexcept { return m_p; }
    explicit operator bool() const noexcept { return m_p != nullptr; }
    void reset() noexcept
    {
        if (m_p) {
            ResourceCounter::Add(ResourceKind::ComObject, -1);
            std::exchange(m_p, nullptr)->Release();
        }
    }
    // Takes over a reference that the caller already holds.
    void attach(I* p) noexcept
    {
        reset();
        m_p = p;
        if (m_p)
            ResourceCounter::Add(ResourceKind::ComObject, +1);
    }

private:
    I* m_p = nullptr;
};

}  // namespace zep
