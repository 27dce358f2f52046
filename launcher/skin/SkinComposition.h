#pragma once

// What a background window draws onto its layered surface: a single picture, or the bar background put
// together from three group bands of the edge image sets. Every GDI+ object made here is released before
// the function returns. Thread: user-interface thread.

#include <windows.h>

#include <memory>

#include "framework/GdiPlus.h"
#include "launcher/skin/BarBands.h"
#include "launcher/skin/SkinImage.h"

namespace zep {

// The picture at (0, 0) with size `size`, copied 1:1. Nothing for a null picture or one that failed to
// decode.
void DrawSinglePicture(GpGraphics* target, SkinImage* picture, SIZE size);

// The bar background of `edge`: the band of each group is copied 1:1 from the same rectangle of
// backgrounds[4 x edge + that group's count], through an intermediate 32-bit ARGB bitmap of `size` that is
// then drawn onto `target` at (0, 0). A band whose count is outside 0 to 3 or whose background is missing
// stays transparent.
void DrawBarBackground(GpGraphics* target, const std::unique_ptr<SkinImage> (&backgrounds)[kBackgroundSlots],
                       DockEdge edge, const int (&counts)[kBarBandCount], SIZE size);

}  // namespace zep
