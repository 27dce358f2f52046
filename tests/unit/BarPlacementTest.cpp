// Parked positions of the bar.
#include <gtest/gtest.h>

#include "launcher/dock/BarPlacement.h"

namespace zep {
namespace {

TEST(BarPlacementTest, ParkedJustBeyondEachEdge)
{
    struct Case {
        DockEdge edge;
        int width, height;
        CoordinatePair expected;
    };
    const Case cases[] = {
        {DockEdge::Right, 1920, 1080, {1920, 20}},
        {DockEdge::Left, 1920, 1080, {-133, 20}},
        {DockEdge::Top, 1920, 1080, {440, -133}},
        {DockEdge::Bottom, 1920, 1080, {440, 1080}},
        {DockEdge::Right, 1366, 768, {1366, -136}},  // taller bar than screen: centred, truncated toward zero
        {DockEdge::Top, 1024, 768, {-8, -133}},
        {DockEdge::Right, 1921, 1041, {1921, 0}},    // (1041 - 1040) / 2 truncates to 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "edge " << EdgeIndex(c.edge) << " " << c.width << "x" << c.height);
        EXPECT_EQ(c.expected, ParkedBarPosition(c.edge, c.width, c.height));
    }
}

}  // namespace
}  // namespace zep
