// The rounding rule of the display scales, the picture set a monitor gets and the scale a screen allows.
#include <gtest/gtest.h>

#include "launcher/dock/BarScale.h"
#include "launcher/skin/PictureSet.h"

namespace zep {
namespace {

TEST(DisplayScaleTest, MonitorBetweenSetsGetsTheSmallerOne)
{
    const struct { int dpi, percent; const wchar_t* type; } cases[] = {
        {72, 100, L"PNG"}, {119, 100, L"PNG"}, {120, 125, L"PNG125"}, {143, 125, L"PNG125"}, {168, 175, L"PNG175"},
        {216, 200, L"PNG200"}, {240, 250, L"PNG250"}, {480, 300, L"PNG300"}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.percent, DrawnScaleFor(c.dpi).Percent()) << c.dpi;
        EXPECT_STREQ(c.type, PictureResourceType(DrawnScaleFor(c.dpi))) << c.dpi;
    }
}

// The dock dialog is 600, 750, 900, 1050, 1200, 1500 and 1800 pixels long at the seven scales.
TEST(DisplayScaleTest, LargestScaleWhoseDockDialogFitsAlongTheEdge)
{
    const struct { int dpi; DockEdge edge; int width, height; const wchar_t* said; } cases[] = {
        {144, DockEdge::Right, 1366, 768,
         L"Zephra scale 125% fits the screen (150% needs 900 of the 768 pixels along the right edge)"},
        {144, DockEdge::Bottom, 1366, 768, L"Zephra scale 150% fits the screen"},
        {144, DockEdge::Left, 1366, 900, L"Zephra scale 150% fits the screen"},
        {192, DockEdge::Top, 1100, 1920,
         L"Zephra scale 175% fits the screen (200% needs 1200 of the 1100 pixels along the top edge)"},
        {120, DockEdge::Right, 800, 500,  // nothing fits: 100 %, as before scales existed
         L"Zephra scale 100% fits the screen (125% needs 750 of the 500 pixels along the right edge)"}};
    for (const auto& c : cases)
        EXPECT_EQ(std::wstring(c.said), DescribeChosenScale(ChooseBarScale(c.dpi, c.edge, c.width, c.height), c.edge));
}

}  // namespace
}  // namespace zep
