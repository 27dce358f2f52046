#pragma once

// The sets the skin pictures are drawn in: 100 % (resource type "PNG") and 125, 150, 175, 200, 250 and
// 300 % ("PNG125" to "PNG300"), every set with the same identifiers. Pure logic: no Windows headers.

#include "launcher/config/DisplayScale.h"

namespace zep {

constexpr int kPictureSets = 7;
// The scales drawn, ascending.
constexpr DisplayScale kDrawnScales[kPictureSets] = {DisplayScale(96),  DisplayScale(120), DisplayScale(144),
                                                     DisplayScale(168), DisplayScale(192), DisplayScale(240),
                                                     DisplayScale(288)};

// The largest drawn scale not above `dpi` (100 % below 120 DPI, 300 % from 288 DPI up). A monitor between
// two sets gets the smaller one: its pictures are sharp and the dock a little smaller, where a larger set
// shrunk to fit would blur every edge and leave the sockets off the pixel grid.
DisplayScale DrawnScaleFor(int dpi) noexcept;

// The resource type of the set drawn for `scale` (of DrawnScaleFor(scale.Dpi())): L"PNG" at 100 %,
// L"PNG150" at 150 %.
const wchar_t* PictureResourceType(DisplayScale scale) noexcept;

}  // namespace zep
