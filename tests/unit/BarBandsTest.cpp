// The band table of the bar background: the bands tile the bar, and every band is taken from a
// background of its own edge.
#include <gtest/gtest.h>

#include <vector>

#include "launcher/skin/BarBands.h"
#include "launcher/skin/SkinCatalogue.h"

namespace {

using zep::BarBand;
using zep::DockEdge;

TEST(BarBandsTest, EveryPixelOfTheBarBelongsToExactlyOneBand)
{
    struct Case {
        DockEdge edge;
        int width;
        int height;
    };
    const Case cases[] = {{DockEdge::Right, 133, 1040}, {DockEdge::Left, 133, 1040}, {DockEdge::Top, 1040, 133},
                          {DockEdge::Bottom, 1040, 133}};
    for (const Case& c : cases) {
        SCOPED_TRACE(zep::EdgeIndex(c.edge));
        const auto bands = zep::BarBandsOf(c.edge);
        std::vector<int> cover(static_cast<size_t>(c.width * c.height), 0);
        for (const BarBand& band : bands) {
            ASSERT_GE(band.x, 0);
            ASSERT_GE(band.y, 0);
            ASSERT_LE(band.x + band.width, c.width);
            ASSERT_LE(band.y + band.height, c.height);
            for (int y = band.y; y < band.y + band.height; ++y)
                for (int x = band.x; x < band.x + band.width; ++x)
                    ++cover[static_cast<size_t>(y * c.width + x)];
        }
        for (int count : cover)
            ASSERT_EQ(1, count);
    }
}

TEST(BarBandsTest, GroupsLieAlongTheBarFromBottomOrLeft)
{
    // Rows or columns where each group starts and how long it is.
    struct Case {
        DockEdge edge;
        bool vertical;
        int start[3];
        int length[3];
    };
    const Case cases[] = {
        {DockEdge::Right, true, {621, 415, 0}, {419, 206, 415}},
        {DockEdge::Left, true, {621, 415, 0}, {419, 206, 415}},
        {DockEdge::Top, false, {0, 419, 625}, {419, 206, 415}},
        {DockEdge::Bottom, false, {0, 419, 625}, {419, 206, 415}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(zep::EdgeIndex(c.edge));
        const auto bands = zep::BarBandsOf(c.edge);
        const bool vertical = c.vertical;
        for (int i = 0; i < zep::kBarBandCount; ++i) {
            EXPECT_EQ(i, bands[i].group);
            EXPECT_EQ(c.start[i], vertical ? bands[i].y : bands[i].x);
            EXPECT_EQ(c.length[i], vertical ? bands[i].height : bands[i].width);
            EXPECT_EQ(133, vertical ? bands[i].width : bands[i].height);
        }
    }
}

TEST(BarBandsTest, BackgroundIndexNamesThePictureWithThatManySockets)
{
    struct Case {
        DockEdge edge;
        int sockets;
        int index;
        int pictureId;
    };
    const Case cases[] = {
        {DockEdge::Left, 2, 6, 164},  {DockEdge::Left, 0, 4, 162},  {DockEdge::Left, 3, 7, 165},
        {DockEdge::Bottom, 1, 13, 197}, {DockEdge::Top, 0, 8, 179},  {DockEdge::Top, 3, 11, 182},
        {DockEdge::Right, 0, 0, 145}, {DockEdge::Bottom, 3, 15, 199},
    };
    // Backgrounds are loaded in edge order, four per edge, from the first four pictures of each set.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pictureId);
        EXPECT_EQ(c.index, zep::BarBackgroundIndex(c.edge, c.sockets));
        EXPECT_EQ(c.pictureId, zep::BackgroundPictureId(c.edge, c.sockets));
    }
}

TEST(BarBandsTest, BadCountsNeverIndexAnotherEdgesSet)
{
    for (DockEdge edge : zep::kAllDockEdges) {
        for (int sockets = -2; sockets <= 5; ++sockets) {
            const int index = zep::BarBackgroundIndex(edge, sockets);
            if (sockets < 0 || sockets > 3) {
                EXPECT_EQ(-1, index) << zep::EdgeIndex(edge) << "," << sockets;
            } else {
                EXPECT_EQ(zep::EdgeIndex(edge), index / zep::kBackgroundVariants) << sockets;
                EXPECT_LT(index, zep::kBackgroundSlots);
            }
        }
    }
}

}  // namespace
