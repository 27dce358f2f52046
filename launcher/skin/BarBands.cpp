#include "launcher/skin/BarBands.h"

namespace zep {
namespace {

// Along the bar: the first group at the bottom (vertical) or left (horizontal), the third at the top or
// right. Width across the bar is the bar's thickness, 133 pixels.
constexpr std::array<BarBand, kBarBandCount> kVerticalBands = {{
    {0, 621, 133, 419, 0},
    {0, 415, 133, 206, 1},
    {0, 0, 133, 415, 2},
}};
constexpr std::array<BarBand, kBarBandCount> kHorizontalBands = {{
    {0, 0, 419, 133, 0},
    {419, 0, 206, 133, 1},
    {625, 0, 415, 133, 2},
}};

}  // namespace

std::array<BarBand, kBarBandCount> BarBandsOf(DockEdge edge, DisplayScale scale) noexcept
{
    std::array<BarBand, kBarBandCount> bands = IsVertical(edge) ? kVerticalBands : kHorizontalBands;
    for (BarBand& band : bands) {
        band.width = scale.Span(band.x, band.x + band.width);
        band.height = scale.Span(band.y, band.y + band.height);
        band.x = scale.Px(band.x);
        band.y = scale.Px(band.y);
    }
    return bands;
}

int BarBackgroundIndex(DockEdge edge, int sockets) noexcept
{
    if (sockets < 0 || sockets >= kBackgroundVariants)
        return -1;
    return kBackgroundVariants * EdgeIndex(edge) + sockets;
}

}  // namespace zep
