#include "launcher/skin/SkinComposition.h"

namespace zep {

void DrawSinglePicture(GpGraphics* target, SkinImage* picture, SIZE size)
{
    if (!target || !picture)
        return;
    picture->Draw(target, 0, 0, size.cx, size.cy, 0, 0, size.cx, size.cy);
}

void DrawBarBackground(GpGraphics* target, const std::unique_ptr<SkinImage> (&backgrounds)[kBackgroundSlots],
                       DockEdge edge, const int (&counts)[kBarBandCount], SIZE size)
{
    if (!target || size.cx <= 0 || size.cy <= 0)
        return;

    // The bitmap is declared before the graphics object on it, so the graphics object goes first.
    UniqueGpImage intermediate;
    GpBitmap* bitmap = nullptr;
    if (gdip::GdipCreateBitmapFromScan0(size.cx, size.cy, 0, PixelFormat32bppARGB, nullptr, &bitmap) !=
            Gdiplus::Ok ||
        !bitmap) {
        return;
    }
    intermediate.reset(bitmap);
    UniqueGpGraphics bandGraphics;
    GpGraphics* graphics = nullptr;
    if (gdip::GdipGetImageGraphicsContext(bitmap, &graphics) != Gdiplus::Ok || !graphics)
        return;
    bandGraphics.reset(graphics);
    // Unscaled copies still go through the interpolation filter, which would blend each band's border
    // rows with the pixels beyond its rectangle; nearest-neighbour on pixel centres copies exactly.
    gdip::GdipSetInterpolationMode(graphics, Gdiplus::InterpolationModeNearestNeighbor);
    gdip::GdipSetPixelOffsetMode(graphics, Gdiplus::PixelOffsetModeHalf);

    for (const BarBand& band : BarBandsOf(edge)) {
        const int index = BarBackgroundIndex(edge, counts[band.group]);
        if (index < 0 || !backgrounds[index])
            continue;
        backgrounds[index]->Draw(graphics, band.x, band.y, band.width, band.height, band.x, band.y, band.width,
                                 band.height);
    }
    bandGraphics.reset();

    gdip::GdipDrawImageRectI(target, bitmap, 0, 0, size.cx, size.cy);
}

}  // namespace zep
