// The settings panel in the middle of the screen and its buttons on it, at the drawn display scales.
#include <gtest/gtest.h>

#include "launcher/settings/SettingsPlaces.h"

namespace zep {
namespace {

TEST(SettingsPlacesTest, PanelCentredAndButtonsOnTheirDrawnPlaces)
{
    struct Case {
        int dpi, width, height;
        CoordinatePair panel;
        CoordinatePair firstEdge, lastEdge, close;  // configured at (24, 52), (321, 52), (350, 137)
    };
    const Case cases[] = {
        {96, 1920, 1080, {750, 452}, {24, 52}, {321, 52}, {350, 137}},
        {120, 1920, 1080, {697, 430}, {30, 65}, {401, 65}, {438, 171}},
        {144, 1920, 1080, {645, 408}, {36, 78}, {482, 78}, {525, 206}},
        {168, 2880, 1800, {1072, 747}, {42, 91}, {562, 91}, {613, 240}},
        {192, 3840, 2160, {1500, 905}, {48, 104}, {642, 104}, {700, 274}},
        {288, 3840, 2400, {1290, 937}, {72, 156}, {963, 156}, {1050, 411}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        const DisplayScale scale(c.dpi);
        EXPECT_EQ(c.panel, CentredSettingsPanel(c.width, c.height, scale));
        EXPECT_EQ(c.firstEdge, ScaledSettingButton(CoordinatePair{24, 52}, scale));
        EXPECT_EQ(c.lastEdge, ScaledSettingButton(CoordinatePair{321, 52}, scale));
        EXPECT_EQ(c.close, ScaledSettingButton(CoordinatePair{350, 137}, scale));
    }
}

}  // namespace
}  // namespace zep
