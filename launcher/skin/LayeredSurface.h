#pragma once

// The drawing surface of one composition of a layered window: a memory context compatible with the
// window's device context, holding a 32-bit bottom-up DIB section cleared to fully transparent. It is
// drawn either with GDI+ (a graphics object made at the first request, which writes premultiplied colour,
// the form UpdateLayeredWindow takes with AC_SRC_ALPHA) or by writing premultiplied rows directly.
//
// Ownership: every GDI and GDI+ object is released by the destructor, in reverse order of making
// (graphics, bitmap selection, DIB section, memory context, window context); nothing outlives the
// composition unless its owner keeps the surface (a fade presents one surface at every step).
// Thread: the thread that owns the window.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "framework/GdiPlus.h"
#include "framework/UniqueResource.h"

namespace zep {

class LayeredSurface {
public:
    // `window` null takes the screen's device context (surfaces that are only read back).
    LayeredSurface(HWND window, SIZE size) noexcept;
    ~LayeredSurface();
    LayeredSurface(const LayeredSurface&) = delete;
    LayeredSurface& operator=(const LayeredSurface&) = delete;

    // False when the DIB section could not be created (for instance an empty size): nothing may then be
    // handed to the system, and the window keeps its previous look.
    bool Ready() const noexcept { return m_pixels != nullptr; }

    // Made at the first call; null when GDI+ could not make one (drawing then does nothing).
    GpGraphics* Graphics() noexcept;
    // Row `y` of the picture (0 at the top) for writing premultiplied 0xAARRGGBB pixels; null for a row
    // outside the surface or a surface that is not ready.
    std::uint32_t* Row(int y) noexcept;
    HDC WindowDc() const noexcept { return m_windowDc.get(); }
    HDC MemoryDc() const noexcept { return m_memoryDc.get(); }
    HBITMAP Bitmap() const noexcept { return static_cast<HBITMAP>(m_dib.get()); }
    SIZE Size() const noexcept { return m_size; }

    // All pixels, premultiplied 0xAARRGGBB, row by row from the top; empty when the surface is not ready.
    // Finishes pending drawing first.
    std::vector<std::uint32_t> ReadPixels() const;

    // UpdateLayeredWindow: the window takes this surface, at `destination` (screen), with the surface's
    // size, per-pixel alpha and the constant alpha `alpha`.
    bool Present(HWND window, POINT destination, BYTE alpha) const noexcept;

private:
    void Flush() const noexcept;

    SIZE m_size{};
    UniqueWindowDc m_windowDc;
    UniqueMemoryDc m_memoryDc;
    UniqueGdiObject m_dib;
    std::uint32_t* m_pixels = nullptr;  // owned by m_dib
    std::optional<ScopedSelectObject> m_selection;
    UniqueGpGraphics m_graphics;
};

}  // namespace zep
