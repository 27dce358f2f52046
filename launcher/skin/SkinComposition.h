#pragma once

// What a background window draws onto its layered surface: a single picture, or the bar background put
// together from three group bands of the edge image sets. Thread: user-interface thread.

#include <windows.h>

#include "framework/GdiPlus.h"
#include "launcher/skin/BarBands.h"

namespace zep {

class LayeredSurface;
class PremultipliedPicture;
class SkinImage;

// The picture at (0, 0) with size `size`, copied 1:1. Nothing for a null picture or one that failed to
// decode.
void DrawSinglePicture(GpGraphics* target, SkinImage* picture, SIZE size);

// The bar background of `edge` at `scale` (the scale the sources were drawn at): the band of each group
// copied 1:1 from the same rectangle of `sources[group]`, row by row. A band without a source, and any part of a band beyond its source picture
// or the surface, stays as it was (transparent on a new surface).
void CopyBarBackground(LayeredSurface& surface, DockEdge edge, DisplayScale scale,
                       const PremultipliedPicture* const (&sources)[kBarBandCount]);

}  // namespace zep
