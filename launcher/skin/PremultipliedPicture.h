#pragma once

// A picture from the launcher's resources held as premultiplied 32-bit pixels (0xAARRGGBB, top row first),
// the form a layered window takes: composing from it is a copy of rows. The decoder's own bitmap is
// released as soon as its pixels are copied, so the picture is held once.
// Ownership: the pixels are the object's own. Thread: any, once created (creation needs GDI+ started).

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "launcher/config/DisplayScale.h"

namespace zep {

class PremultipliedPicture {
public:
    // Decodes PNG resource `id` of the set drawn for `scale`. A missing or undecodable resource gives an
    // empty picture (0 x 0).
    static std::unique_ptr<PremultipliedPicture> LoadPngResource(UINT id, DisplayScale scale = DisplayScale());

    int Width() const noexcept { return m_width; }
    int Height() const noexcept { return m_height; }
    // Row `y` (0 at the top), `Width()` pixels; only for 0 <= y < Height().
    const std::uint32_t* Row(int y) const noexcept { return m_pixels.data() + static_cast<size_t>(y) * m_width; }

private:
    PremultipliedPicture() noexcept = default;

    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};

}  // namespace zep
