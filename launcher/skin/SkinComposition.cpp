#include "launcher/skin/SkinComposition.h"

#include <algorithm>
#include <cstring>

#include "launcher/skin/LayeredSurface.h"
#include "launcher/skin/PremultipliedPicture.h"
#include "launcher/skin/SkinImage.h"

namespace zep {

void DrawSinglePicture(GpGraphics* target, SkinImage* picture, SIZE size)
{
    if (!target || !picture)
        return;
    picture->Draw(target, 0, 0, size.cx, size.cy, 0, 0, size.cx, size.cy);
}

void CopyBarBackground(LayeredSurface& surface, DockEdge edge, DisplayScale scale,
                       const PremultipliedPicture* const (&sources)[kBarBandCount])
{
    const SIZE size = surface.Size();
    for (const BarBand& band : BarBandsOf(edge, scale)) {
        const PremultipliedPicture* source = sources[band.group];
        if (!source)
            continue;
        const int right = std::min({band.x + band.width, source->Width(), static_cast<int>(size.cx)});
        const int bottom = std::min({band.y + band.height, source->Height(), static_cast<int>(size.cy)});
        if (right <= band.x)
            continue;
        for (int y = band.y; y < bottom; ++y) {
            if (std::uint32_t* row = surface.Row(y))
                std::memcpy(row + band.x, source->Row(y) + band.x, sizeof(std::uint32_t) * static_cast<size_t>(right - band.x));
        }
    }
}

}  // namespace zep
