#include "launcher/dock/BarScale.h"

#include "launcher/dock/DockGeometry.h"
#include "launcher/skin/PictureSet.h"

namespace zep {
namespace {

const wchar_t* EdgeName(DockEdge edge) noexcept
{
    switch (edge) {
    case DockEdge::Right:
        return L"right";
    case DockEdge::Left:
        return L"left";
    case DockEdge::Top:
        return L"top";
    case DockEdge::Bottom:
        break;
    }
    return L"bottom";
}

}  // namespace

BarScale ChooseBarScale(int monitorDpi, DockEdge edge, int screenWidth, int screenHeight) noexcept
{
    const DisplayScale monitor = DrawnScaleFor(monitorDpi);
    const int length = IsVertical(edge) ? screenHeight : screenWidth;
    BarScale choice{kDrawnScales[0], monitor, length};
    for (const DisplayScale scale : kDrawnScales) {
        if (scale.Dpi() > monitor.Dpi())
            break;
        if (DockDialogLength(scale) <= length)
            choice.scale = scale;
    }
    return choice;
}

std::wstring DescribeChosenScale(const BarScale& choice, DockEdge edge)
{
    std::wstring text = L"Zephra scale " + std::to_wstring(choice.scale.Percent()) + L"% fits the screen";
    if (choice.Reduced())
        text += L" (" + std::to_wstring(choice.monitor.Percent()) + L"% needs " +
                std::to_wstring(DockDialogLength(choice.monitor)) + L" of the " +
                std::to_wstring(choice.screenLength) + L" pixels along the " + EdgeName(edge) + L" edge)";
    return text;
}

}  // namespace zep
