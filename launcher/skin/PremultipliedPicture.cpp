#include "launcher/skin/PremultipliedPicture.h"

#include <algorithm>
#include <cstddef>
#include <new>

#include "framework/GdiPlus.h"
#include "launcher/skin/SkinImage.h"

namespace zep {

std::unique_ptr<PremultipliedPicture> PremultipliedPicture::LoadPngResource(UINT id, DisplayScale scale)
{
    std::unique_ptr<PremultipliedPicture> picture(new (std::nothrow) PremultipliedPicture());
    if (!picture)
        return nullptr;
    const std::unique_ptr<SkinImage> decoded = SkinImage::LoadPngResource(id, scale);
    auto* bitmap = decoded ? static_cast<GpBitmap*>(decoded->Native()) : nullptr;
    if (!bitmap)
        return picture;
    const int width = static_cast<int>(decoded->Width());
    const int height = static_cast<int>(decoded->Height());
    Gdiplus::GpRect all(0, 0, width, height);
    Gdiplus::BitmapData data{};
    // GDI+ premultiplies as it hands the pixels out: the same conversion its drawing onto a layered
    // surface makes.
    if (width <= 0 || height <= 0 ||
        gdip::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data) != Gdiplus::Ok)
        return picture;
    picture->m_pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const BYTE*>(data.Scan0) +
                                                                 static_cast<ptrdiff_t>(y) * data.Stride);
        std::copy(row, row + width, picture->m_pixels.begin() + static_cast<ptrdiff_t>(y) * width);
    }
    gdip::GdipBitmapUnlockBits(bitmap, &data);
    picture->m_width = width;
    picture->m_height = height;
    return picture;
}

}  // namespace zep
