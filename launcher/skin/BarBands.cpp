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

std::array<BarBand, kBarBandCount> BarBandsOf(DockEdge edge) noexcept
{
    return IsVertical(edge) ? kVerticalBands : kHorizontalBands;
}

int BarBackgroundIndex(DockEdge edge, int sockets) noexcept
{
    if (sockets < 0 || sockets >= kBackgroundVariants)
        return -1;
    return kBackgroundVariants * EdgeIndex(edge) + sockets;
}

}  // namespace zep
