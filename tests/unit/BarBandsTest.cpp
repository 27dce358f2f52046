// The band table of the bar background: the bands tile the bar, and every band is taken from a
// background of its own edge.
#include <gtest/gtest.h>

#include <vector>

#include "launcher/skin/BarBands.h"
#include "launcher/skin/SkinCatalogue.h"

namespace {

using zep::BarBand;
using zep::BarOrientation;

TEST(BarBandsTest, EveryPixelOfTheBarBelongsToExactlyOneBand)
{
    struct Case {
        int edge;
        int width;
        int height;
    };
    const Case cases[] = {{0, 133, 1040}, {1, 133, 1040}, {2, 1040, 133}, {3, 1040, 133}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edge);
        BarBand bands[zep::kBarBandCount];
        ASSERT_TRUE(zep::GetBarBands(c.edge, bands));
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
        int edge;
        int start[3];
        int length[3];
    };
    const Case cases[] = {
        {0, {621, 415, 0}, {419, 206, 415}},
        {1, {621, 415, 0}, {419, 206, 415}},
        {2, {0, 419, 625}, {419, 206, 415}},
        {3, {0, 419, 625}, {419, 206, 415}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edge);
        BarBand bands[zep::kBarBandCount];
        ASSERT_TRUE(zep::GetBarBands(c.edge, bands));
        const bool vertical = zep::BarOrientationOf(c.edge) == BarOrientation::Vertical;
        for (int i = 0; i < zep::kBarBandCount; ++i) {
            EXPECT_EQ(i, bands[i].group);
            EXPECT_EQ(c.start[i], vertical ? bands[i].y : bands[i].x);
            EXPECT_EQ(c.length[i], vertical ? bands[i].height : bands[i].width);
            EXPECT_EQ(133, vertical ? bands[i].width : bands[i].height);
        }
    }
}

TEST(BarBandsTest, EdgesOutsideTheFourHaveNoBandsAndNoOrientation)
{
    for (int edge : {-1, 4, 1000}) {
        SCOPED_TRACE(edge);
        BarBand bands[zep::kBarBandCount] = {{7, 7, 7, 7, 7}, {7, 7, 7, 7, 7}, {7, 7, 7, 7, 7}};
        EXPECT_FALSE(zep::GetBarBands(edge, bands));
        EXPECT_EQ(7, bands[0].x);
        EXPECT_EQ(BarOrientation::None, zep::BarOrientationOf(edge));
    }
    EXPECT_EQ(BarOrientation::Vertical, zep::BarOrientationOf(1));
    EXPECT_EQ(BarOrientation::Horizontal, zep::BarOrientationOf(2));
}

TEST(BarBandsTest, BackgroundIndexNamesThePictureWithThatManySockets)
{
    struct Case {
        int edge;
        int sockets;
        int index;
        int pictureId;
    };
    const Case cases[] = {
        {1, 2, 6, 164}, {1, 0, 4, 162}, {1, 3, 7, 165}, {3, 1, 13, 197},
        {2, 0, 8, 179}, {2, 3, 11, 182}, {0, 0, 0, 145}, {3, 3, 15, 199},
    };
    // Backgrounds are loaded in edge order, four per edge, from the first four pictures of each set.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pictureId);
        EXPECT_EQ(c.index, zep::BarBackgroundIndex(c.edge, c.sockets));
        EXPECT_EQ(c.pictureId, zep::BackgroundPictureId(c.edge, c.sockets));
    }
}

TEST(BarBandsTest, BadCountsOrEdgesNeverIndexAnotherEdgesSet)
{
    for (int edge = -1; edge <= 4; ++edge) {
        for (int sockets = -2; sockets <= 5; ++sockets) {
            const int index = zep::BarBackgroundIndex(edge, sockets);
            const bool valid = edge >= 0 && edge <= 3 && sockets >= 0 && sockets <= 3;
            if (!valid) {
                EXPECT_EQ(-1, index) << edge << "," << sockets;
            } else {
                EXPECT_EQ(edge, index / zep::kBackgroundVariants) << sockets;
                EXPECT_LT(index, zep::kBackgroundSlots);
            }
        }
    }
}

}  // namespace
