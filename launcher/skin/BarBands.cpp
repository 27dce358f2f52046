#include "launcher/skin/BarBands.h"

namespace zep {
namespace {

// Along the bar: the first group at the bottom (vertical) or left (horizontal), the third at the top or
// right. Width across the bar is the bar's thickness, 133 pixels.
constexpr BarBand kVerticalBands[kBarBandCount] = {
    {0, 621, 133, 419, 0},
    {0, 415, 133, 206, 1},
    {0, 0, 133, 415, 2},
};
constexpr BarBand kHorizontalBands[kBarBandCount] = {
    {0, 0, 419, 133, 0},
    {419, 0, 206, 133, 1},
    {625, 0, 415, 133, 2},
};

}  // namespace

BarOrientation BarOrientationOf(int edge)
{
    switch (edge) {
    case 0:
    case 1:
        return BarOrientation::Vertical;
    case 2:
    case 3:
        return BarOrientation::Horizontal;
    default:
        return BarOrientation::None;
    }
}

bool GetBarBands(int edge, BarBand (&bands)[kBarBandCount])
{
    const BarOrientation orientation = BarOrientationOf(edge);
    if (orientation == BarOrientation::None)
        return false;
    const BarBand* source = orientation == BarOrientation::Vertical ? kVerticalBands : kHorizontalBands;
    for (int i = 0; i < kBarBandCount; ++i)
        bands[i] = source[i];
    return true;
}

int BarBackgroundIndex(int edge, int sockets)
{
    if (BarOrientationOf(edge) == BarOrientation::None || sockets < 0 || sockets >= kBackgroundVariants)
        return -1;
    return kBackgroundVariants * edge + sockets;
}

}  // namespace zep
