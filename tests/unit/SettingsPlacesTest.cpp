// The settings panel in the middle of the screen and its buttons on it, at the drawn display scales.
#include <gtest/gtest.h>

#include "launcher/settings/SettingsPlaces.h"

namespace zep {
namespace {

TEST(SettingsPlacesTest, PanelCentredAndButtonsOnTheirDrawnPlaces)
{
    // Buttons configured at (24, 52) and (350, 137).
    const struct { int dpi, width, height; CoordinatePair panel, edgeButton, closeButton; } cases[] = {
        {96, 1920, 1080, {750, 452}, {24, 52}, {350, 137}},     {120, 1920, 1080, {697, 430}, {30, 65}, {438, 171}},
        {144, 1920, 1080, {645, 408}, {36, 78}, {525, 206}},    {168, 2880, 1800, {1072, 747}, {42, 91}, {613, 240}},
        {192, 3840, 2160, {1500, 905}, {48, 104}, {700, 274}},  {288, 3840, 2400, {1290, 937}, {72, 156}, {1050, 411}}};
    for (const auto& c : cases) {
        const DisplayScale scale(c.dpi);
        EXPECT_EQ(c.panel, CentredSettingsPanel(c.width, c.height, scale)) << c.dpi;
        EXPECT_EQ(c.edgeButton, ScaledSettingButton(CoordinatePair{24, 52}, scale)) << c.dpi;
        EXPECT_EQ(c.closeButton, ScaledSettingButton(CoordinatePair{350, 137}, scale)) << c.dpi;
    }
}

}  // namespace
}  // namespace zep
