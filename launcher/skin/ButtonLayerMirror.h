#pragma once

// Where the desktop window manager composes the screen (Windows 6.0 and 6.1), a live thumbnail of the dock
// dialog is drawn into the bar's background window, over the stretch the dock dialog covers, so the
// button layer is part of the background window's composed image too. The window-manager library is
// loaded on first use only, so the launcher runs where it is missing; every failure is silent.
//
// Ownership: one thumbnail registration, kept and updated for every layout, released with the object.
// Thread: user-interface thread only.

#include <windows.h>

namespace zep {

class CButtonLayerMirror {
public:
    CButtonLayerMirror() noexcept = default;
    ~CButtonLayerMirror();
    CButtonLayerMirror(const CButtonLayerMirror&) = delete;
    CButtonLayerMirror& operator=(const CButtonLayerMirror&) = delete;

    // Mirrors `source` (the dock dialog) into `background`, onto `destination` in the background
    // window's coordinates. Nothing on other Windows versions or when the window manager refuses. False
    // when nothing is mirrored.
    bool Mirror(HWND background, HWND source, const RECT& destination);

private:
    void Release() noexcept;

    HWND m_hBackground = nullptr;
    HWND m_hSource = nullptr;
    void* m_thumbnail = nullptr;  // HTHUMBNAIL of the registration for the pair above
};

}  // namespace zep
