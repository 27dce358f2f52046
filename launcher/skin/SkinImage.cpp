#include "launcher/skin/SkinImage.h"

#include <cstring>
#include <new>

#include "framework/WinApp.h"
#include "launcher/skin/PictureSet.h"
#include "launcher/skin/PngHeader.h"

namespace zep {
namespace {

// The bytes of PNG resource `id` of the set for `scale` in the program's resource module (resource memory,
// never freed); null when there is no such resource or it is empty.
const void* ResourceBytes(UINT id, DisplayScale scale, DWORD* size)
{
    HMODULE module = CWinApp::ResourceInstance();
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(id), PictureResourceType(scale));
    *size = resource ? ::SizeofResource(module, resource) : 0;
    HGLOBAL loaded = *size ? ::LoadResource(module, resource) : nullptr;
    return loaded ? ::LockResource(loaded) : nullptr;
}

}  // namespace

SIZE SkinImage::PngResourceSize(UINT id, DisplayScale scale)
{
    DWORD size = 0;
    const void* bytes = ResourceBytes(id, scale, &size);
    PngSize declared;
    if (!bytes || !ReadPngSize(static_cast<const unsigned char*>(bytes), size, &declared))
        return SIZE{0, 0};
    return SIZE{declared.width, declared.height};
}

std::unique_ptr<SkinImage> SkinImage::LoadPngResource(UINT id, DisplayScale scale)
{
    std::unique_ptr<SkinImage> image(new (std::nothrow) SkinImage());
    if (!image)
        return nullptr;

    DWORD size = 0;
    const void* bytes = ResourceBytes(id, scale, &size);
    if (!bytes) {
        image->m_status = Gdiplus::Win32Error;
        return image;
    }

    image->m_bytes.reset(::GlobalAlloc(GMEM_MOVEABLE, size));
    void* copy = image->m_bytes ? ::GlobalLock(image->m_bytes.get()) : nullptr;
    if (!copy) {
        image->m_status = Gdiplus::OutOfMemory;
        return image;
    }
    std::memcpy(copy, bytes, size);
    ::GlobalUnlock(image->m_bytes.get());

    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(image->m_bytes.get(), FALSE, &stream))) {
        image->m_status = Gdiplus::Win32Error;
        return image;
    }
    image->m_stream.attach(stream);

    GpBitmap* bitmap = nullptr;
    image->m_status = gdip::GdipCreateBitmapFromStream(stream, &bitmap);
    if (image->m_status == Gdiplus::Ok)
        image->m_bitmap.reset(bitmap);
    return image;
}

UINT SkinImage::Width() const noexcept
{
    UINT width = 0;
    if (!m_bitmap || gdip::GdipGetImageWidth(m_bitmap.get(), &width) != Gdiplus::Ok)
        return 0;
    return width;
}

UINT SkinImage::Height() const noexcept
{
    UINT height = 0;
    if (!m_bitmap || gdip::GdipGetImageHeight(m_bitmap.get(), &height) != Gdiplus::Ok)
        return 0;
    return height;
}

GpStatus SkinImage::Draw(GpGraphics* graphics, int dstX, int dstY, int dstWidth, int dstHeight, int srcX, int srcY,
                         int srcWidth, int srcHeight)
{
    if (!m_bitmap || !graphics)
        return Gdiplus::InvalidParameter;
    m_status = gdip::GdipDrawImageRectRectI(graphics, m_bitmap.get(), dstX, dstY, dstWidth, dstHeight, srcX, srcY,
                                            srcWidth, srcHeight, Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
    return m_status;
}

}  // namespace zep
