#pragma once

// A decoded PNG picture from the launcher's resources, held as a GDI+ bitmap. Owned by exactly one
// window object. The resource bytes are copied into a memory block of the image's own, and that block and
// the stream over it live exactly as long as the bitmap (GDI+ may read from them until it is disposed).
// Thread: user-interface thread; GDI+ must be started before the first load and stopped after the last
// image is gone.

#include <windows.h>

#include <memory>

#include "framework/GdiPlus.h"
#include "launcher/config/DisplayScale.h"

namespace zep {

class SkinImage {
public:
    // Decodes resource `id` of the picture set drawn for `scale` ("PNG" at 100 %, "PNG150" at 150 %; see
    // PictureSet.h) from the program's resource module. A missing or undecodable resource still gives an
    // image: it holds no bitmap, LastStatus() is not Ok, it reads as 0 x 0 and draws nothing. Null only
    // when the image object itself cannot be allocated.
    static std::unique_ptr<SkinImage> LoadPngResource(UINT id, DisplayScale scale = DisplayScale());
    // The size PNG resource `id` of the set for `scale` declares, read without decoding it; 0 x 0 for a
    // missing or damaged one.
    static SIZE PngResourceSize(UINT id, DisplayScale scale = DisplayScale());

    GpImage* Native() const noexcept { return m_bitmap.get(); }
    GpStatus LastStatus() const noexcept { return m_status; }
    // Size asked from GDI+; 0 when the query fails.
    UINT Width() const noexcept;
    UINT Height() const noexcept;

    // Draws the source rectangle 1:1 scaled to the destination rectangle, in pixels. Nothing without a
    // bitmap. Returns the GDI+ status, which is also kept as LastStatus().
    GpStatus Draw(GpGraphics* graphics, int dstX, int dstY, int dstWidth, int dstHeight, int srcX, int srcY,
                  int srcWidth, int srcHeight);

private:
    SkinImage() noexcept = default;

    // Destroyed in reverse order: the bitmap before the stream before the memory it reads.
    UniqueHglobal m_bytes;
    UniqueComPtr<IStream> m_stream;
    UniqueGpImage m_bitmap;
    GpStatus m_status = Gdiplus::GenericError;
};

}  // namespace zep
