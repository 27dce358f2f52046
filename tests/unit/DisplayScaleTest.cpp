// The rounding rule of the display scales, the picture set a monitor gets and the scale a screen allows.
#include <gtest/gtest.h>

#include "launcher/dock/BarScale.h"
#include "launcher/skin/PictureSet.h"

namespace zep {
namespace {

TEST(DisplayScaleTest, EdgesRoundHalfAwayFromZero)
{
    struct Case {
        int dpi, v, expected;
    };
    const Case cases[] = {
        {96, 133, 133},    {96, -133, -133},  {72, 1040, 1040},   // below 96 counts as 96
        {120, 133, 166},   {120, 122, 153},   {120, 10, 13},      {120, 215, 269},   {120, 815, 1019},
        {144, 133, 200},   {144, 27, 41},     {144, 215, 323},    {144, -133, -200},
        {168, 1040, 1820}, {168, 122, 214},   {168, 621, 1087},   {192, 415, 830},   {192, 27, 54},
        {288, 133, 399},   {288, 419, 1257},  {288, 625, 1875},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi, " << c.v);
        EXPECT_EQ(c.expected, DisplayScale(c.dpi).Px(c.v));
    }
}

TEST(DisplayScaleTest, PictureSetOfAMonitor)
{
    struct Case {
        int dpi;
        int drawnDpi;
        const wchar_t* type;
        int percent;
    };
    const Case cases[] = {
        {72, 96, L"PNG", 100},     {96, 96, L"PNG", 100},       {119, 96, L"PNG", 100},
        {120, 120, L"PNG125", 125}, {143, 120, L"PNG125", 125}, {144, 144, L"PNG150", 150},
        {168, 168, L"PNG175", 175}, {192, 192, L"PNG200", 200}, {216, 192, L"PNG200", 200},
        {240, 240, L"PNG250", 250}, {288, 288, L"PNG300", 300}, {480, 288, L"PNG300", 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        const DisplayScale drawn = DrawnScaleFor(c.dpi);
        EXPECT_EQ(c.drawnDpi, drawn.Dpi());
        EXPECT_EQ(c.percent, drawn.Percent());
        EXPECT_STREQ(c.type, PictureResourceType(drawn));
    }
}

// The dock dialog is 600, 750, 900, 1050, 1200, 1500 and 1800 pixels long at the seven scales.
TEST(DisplayScaleTest, LargestScaleWhoseDockDialogFitsTheScreen)
{
    struct Case {
        int dpi;
        DockEdge edge;
        int width, height;
        int expectedDpi;
        const wchar_t* said;
    };
    const Case cases[] = {
        {144, DockEdge::Right, 1366, 768, 120,
         L"Zephra scale 125% fits the screen (150% needs 900 of the 768 pixels along the right edge)"},
        {144, DockEdge::Bottom, 1366, 768, 144, L"Zephra scale 150% fits the screen"},
        {144, DockEdge::Left, 1366, 900, 144, L"Zephra scale 150% fits the screen"},  // exactly fits
        {192, DockEdge::Top, 1100, 1920, 168,
         L"Zephra scale 175% fits the screen (200% needs 1200 of the 1100 pixels along the top edge)"},
        {288, DockEdge::Right, 2560, 1440, 192,
         L"Zephra scale 200% fits the screen (300% needs 1800 of the 1440 pixels along the right edge)"},
        {120, DockEdge::Right, 1024, 600, 96,
         L"Zephra scale 100% fits the screen (125% needs 750 of the 600 pixels along the right edge)"},
        {120, DockEdge::Right, 800, 500, 96,  // nothing fits: 100 %, as before scales existed
         L"Zephra scale 100% fits the screen (125% needs 750 of the 500 pixels along the right edge)"},
        {96, DockEdge::Right, 1366, 768, 96, L"Zephra scale 100% fits the screen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi, edge " << EdgeIndex(c.edge));
        const BarScale choice = ChooseBarScale(c.dpi, c.edge, c.width, c.height);
        EXPECT_EQ(c.expectedDpi, choice.scale.Dpi());
        EXPECT_EQ(std::wstring(c.said), DescribeChosenScale(choice, c.edge));
    }
}

}  // namespace
}  // namespace zep
