// Parked positions of the bar and the handling of stored edge values.
#include <gtest/gtest.h>

#include "launcher/dock/BarPlacement.h"

namespace zep {
namespace {

TEST(BarPlacementTest, ParkedJustBeyondEachEdge)
{
    struct Case {
        int edge;
        int width, height;
        bool placed;
        CoordinatePair expected;
    };
    const Case cases[] = {
        {0, 1920, 1080, true, {1920, 20}},
        {1, 1920, 1080, true, {-133, 20}},
        {2, 1920, 1080, true, {440, -133}},
        {3, 1920, 1080, true, {440, 1080}},
        {0, 1366, 768, true, {1366, -136}},   // taller bar than screen: centred, truncated toward zero
        {2, 1024, 768, true, {-8, -133}},
        {0, 1921, 1041, true, {1921, 0}},     // (1041 - 1040) / 2 truncates to 0
        {4, 1920, 1080, false, {7, 7}},
        {-1, 1920, 1080, false, {7, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "edge " << c.edge << " " << c.width << "x" << c.height);
        CoordinatePair position{7, 7};
        EXPECT_EQ(c.placed, ParkedBarPosition(c.edge, c.width, c.height, &position));
        EXPECT_EQ(c.expected, position);
    }
}

TEST(BarPlacementTest, StoredEdgesOutsideTheFourBecomeTheRightEdge)
{
    struct Case {
        long stored;
        int usable;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{2, 2}, Case{3, 3}, Case{4, 0}, Case{-1, 0},
                          Case{0x7fffffffL, 0}, Case{48, 0}}) {
        EXPECT_EQ(c.usable, UsableDockEdge(c.stored)) << c.stored;
    }
}

}  // namespace
}  // namespace zep
