// The description panel's places beside the bar: the worked examples and every edge.
#include <gtest/gtest.h>

#include "launcher/skin/PanelPlacement.h"

namespace zep {
namespace {

TEST(PanelLayoutTest, PlacesOnEveryEdge)
{
    struct Case {
        DockEdge edge;
        PanelRect bar;
        int control;
        CoordinatePair line, panel;
        int screenW = 1920, screenH = 1080;
    };
    const Case cases[] = {
        {DockEdge::Right, {1787, 20, 1920, 1060}, 1003, {1760, 292}, {1525, 368}},  // worked example, right edge
        {DockEdge::Right, {1787, 20, 1920, 1060}, 1010, {1760, 292}, {1314, 368}},  // the wide card
        {DockEdge::Right, {1798, 20, 1931, 1060}, 1000, {1771, 292}, {1536, 368}},  // where the bar really stands
        {DockEdge::Left, {-11, 20, 122, 1060}, 1000, {132, 292}, {159, 368}},
        {DockEdge::Left, {-11, 20, 122, 1060}, 1010, {132, 292}, {159, 368}},      // widens away from the bar
        {DockEdge::Top, {440, -11, 1480, 122}, 1004, {712, 132}, {847, 159}},
        {DockEdge::Top, {440, -11, 1480, 122}, 1010, {712, 132}, {742, 159}},
        {DockEdge::Bottom, {440, 947, 1480, 1080}, 1004, {712, 920}, {847, 566}},    // worked example, bottom edge
        {DockEdge::Bottom, {440, 958, 1480, 1091}, 1010, {712, 931}, {742, 577}},
        {DockEdge::Right, {1244, -136, 1377, 904}, 1000, {1217, 136}, {982, 212}, 1366, 768},  // bar longer than the screen
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "edge " << EdgeIndex(c.edge) << " control " << c.control);
        const bool vertical = IsVertical(c.edge);
        const PanelPlaces places = PlacePanel(c.edge, c.bar, *ToDockButton(c.control), vertical ? 17 : 495,
                                              vertical ? 495 : 17, c.screenW, c.screenH);
        EXPECT_EQ(c.line, places.whiteLine);
        EXPECT_EQ(c.panel, places.panel);
    }
}

}  // namespace
}  // namespace zep
