// How the dock dialog sits on the bar's background window, and where the button layer is mirrored.
#include <gtest/gtest.h>

#include "launcher/dock/DockGeometry.h"

namespace zep {
namespace {

TEST(DockGeometryTest, ForegroundOffsetsAndMirrorPerEdge)
{
    struct Case {
        DockEdge edge;
        ForegroundOffsets offsets;
        int barWidth, barHeight;
        WorkArea mirror;
    };
    const Case cases[] = {
        {DockEdge::Right, {0, 215, 0, -440}, 133, 1040, {0, 215, 133, 815}},
        {DockEdge::Left, {0, 215, 0, -440}, 133, 1040, {0, 215, 133, 815}},
        {DockEdge::Top, {215, 0, -440, 0}, 1040, 133, {215, 0, 815, 133}},
        {DockEdge::Bottom, {215, 0, -440, 0}, 1040, 133, {215, 0, 815, 133}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "edge " << EdgeIndex(c.edge));
        const ForegroundOffsets o = ForegroundOffsetsFor(c.edge);
        EXPECT_EQ(c.offsets, o);
        // The dock dialog covers the middle 600 of the 1040 pixels, and the full thickness.
        EXPECT_EQ(c.barWidth + o.widthChange, c.barWidth == 133 ? 133 : 600);
        EXPECT_EQ(c.barHeight + o.heightChange, c.barHeight == 133 ? 133 : 600);
        EXPECT_EQ(c.mirror, MirrorDestination(c.edge, c.barWidth, c.barHeight));
    }
}

}  // namespace
}  // namespace zep
