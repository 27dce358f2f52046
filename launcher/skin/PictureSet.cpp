#include "launcher/skin/PictureSet.h"

namespace zep {
namespace {

constexpr const wchar_t* kResourceTypes[kPictureSets] = {L"PNG",    L"PNG125", L"PNG150", L"PNG175",
                                                          L"PNG200", L"PNG250", L"PNG300"};

int DrawnIndexFor(int dpi) noexcept
{
    int index = 0;
    while (index + 1 < kPictureSets && kDrawnScales[index + 1].Dpi() <= dpi)
        ++index;
    return index;
}

}  // namespace

DisplayScale DrawnScaleFor(int dpi) noexcept
{
    return kDrawnScales[DrawnIndexFor(dpi)];
}

const wchar_t* PictureResourceType(DisplayScale scale) noexcept
{
    return kResourceTypes[DrawnIndexFor(scale.Dpi())];
}

}  // namespace zep
