#include "launcher/skin/LayeredSurface.h"

#include <cstring>

namespace zep {

LayeredSurface::LayeredSurface(HWND window, SIZE size) noexcept : m_size(size), m_windowDc(window)
{
    if (!m_windowDc)
        return;
    m_memoryDc.reset(::CreateCompatibleDC(m_windowDc.get()));
    if (!m_memoryDc || size.cx <= 0 || size.cy <= 0)
        return;

    const LONG stride = ((size.cx * 32 + 31) / 32) * 4;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;  // positive: bottom-up rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(stride) * static_cast<DWORD>(size.cy);
    void* bits = nullptr;
    m_dib.reset(::CreateDIBSection(m_windowDc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!m_dib || !bits)
        return;
    std::memset(bits, 0, info.bmiHeader.biSizeImage);
    m_pixels = static_cast<std::uint32_t*>(bits);

    m_selection.emplace(m_memoryDc.get(), m_dib.get());
}

GpGraphics* LayeredSurface::Graphics() noexcept
{
    if (m_graphics || !m_selection)
        return m_graphics.get();
    GpGraphics* graphics = nullptr;
    if (gdip::GdipCreateFromHDC(m_memoryDc.get(), &graphics) == Gdiplus::Ok && graphics) {
        m_graphics.reset(graphics);
        gdip::GdipSetPageScale(graphics, 1.0f);
        gdip::GdipSetPageUnit(graphics, Gdiplus::UnitPixel);
        gdip::GdipSetSmoothingMode(graphics, Gdiplus::SmoothingModeAntiAlias);
        // Pictures are drawn unscaled; the default filter would still blend their outermost pixels with
        // the transparent surroundings.
        gdip::GdipSetInterpolationMode(graphics, Gdiplus::InterpolationModeNearestNeighbor);
        gdip::GdipSetPixelOffsetMode(graphics, Gdiplus::PixelOffsetModeHalf);
    }
    return m_graphics.get();
}

std::uint32_t* LayeredSurface::Row(int y) noexcept
{
    if (!m_pixels || y < 0 || y >= m_size.cy)
        return nullptr;
    // Rows of a bottom-up DIB run from the bottom of the picture up; 32-bit rows need no padding.
    return m_pixels + static_cast<size_t>(m_size.cy - 1 - y) * static_cast<size_t>(m_size.cx);
}

LayeredSurface::~LayeredSurface()
{
    // Members go in reverse order of declaration: graphics, selection, DIB section, memory and window
    // contexts. The graphics object must be gone before its context loses the bitmap.
    m_graphics.reset();
    m_selection.reset();
}

void LayeredSurface::Flush() const noexcept
{
    if (m_graphics)
        gdip::GdipFlush(m_graphics.get(), Gdiplus::FlushIntentionSync);
    ::GdiFlush();
}

std::vector<std::uint32_t> LayeredSurface::ReadPixels() const
{
    std::vector<std::uint32_t> pixels;
    if (!m_pixels)
        return pixels;
    Flush();
    const size_t width = static_cast<size_t>(m_size.cx);
    pixels.reserve(width * static_cast<size_t>(m_size.cy));
    // Rows of a bottom-up DIB run from the bottom of the picture up; 32-bit rows need no padding.
    for (LONG y = m_size.cy - 1; y >= 0; --y) {
        const std::uint32_t* row = m_pixels + static_cast<size_t>(y) * width;
        pixels.insert(pixels.end(), row, row + width);
    }
    return pixels;
}

bool LayeredSurface::Present(HWND window, POINT destination, BYTE alpha) const noexcept
{
    if (!Ready())
        return false;
    Flush();
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.BlendFlags = 0;
    blend.SourceConstantAlpha = alpha;
    blend.AlphaFormat = AC_SRC_ALPHA;
    SIZE size = m_size;
    POINT source{0, 0};
    return ::UpdateLayeredWindow(window, m_windowDc.get(), &destination, &size, m_memoryDc.get(), &source, 0, &blend,
                                 ULW_ALPHA) != FALSE;
}

}  // namespace zep
