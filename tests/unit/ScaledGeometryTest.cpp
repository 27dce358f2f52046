// The bar, its dock dialog, its bands, its slides and its card at the drawn display scales, on a screen of
// the size such a scale is usually found on.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "launcher/dock/DockGeometry.h"
#include "launcher/dock/SlideStep.h"
#include "launcher/skin/BarBands.h"
#include "launcher/skin/PanelContent.h"
#include "launcher/skin/PanelPlacement.h"

namespace zep {
namespace {

struct ScaleCase {
    int dpi;
    int width, height;                 // the screen, which is also the work area
    CoordinatePair parked[kDockEdges];  // right, left, top, bottom
    CoordinatePair shown[kDockEdges];
    int inset, shrink, mirrorEnd;      // dock dialog offset along the bar, bar minus dialog, mirror end
    int bandJoints[2];                 // where the third and second, second and first bands meet
    int thickness, length;             // the vertical bar
    int revealRight[12];               // the x of every step of a reveal on the right edge
    CoordinatePair dialogPoint;        // the 96-DPI place (43, 822) on the right edge
    CoordinatePair line, card;         // a card's places beside the shown bar on the right edge
    int lineWidth, lineHeight;         // picture 317 at this scale
    std::array<int, 4> firstText;      // the first card's headline, left top right bottom
};

std::array<int, 5> Fields(const BarBand& b) { return {b.x, b.y, b.width, b.height, b.group}; }
std::array<int, 4> Fields(const PanelRect& r) { return {r.left, r.top, r.right, r.bottom}; }

const ScaleCase kCases[] = {
    {120, 1920, 1080, {{1920, -110}, {-166, -110}, {310, -166}, {310, 1080}},
     {{1767, -110}, {-13, -110}, {310, -13}, {310, 927}}, 269, 550, 1019, {519, 776}, 166, 1300,
     {1907, 1895, 1882, 1870, 1857, 1845, 1832, 1820, 1807, 1795, 1782, 1767}, {54, 759}, {1733, 230},
     {1439, 325}, 21, 619, {109, 74, 254, 149}},
    {144, 2560, 1600, {{2560, 20}, {-200, 20}, {500, -200}, {500, 1600}},
     {{2377, 20}, {-17, 20}, {500, -17}, {500, 1417}}, 323, 660, 1223, {623, 932}, 200, 1560,
     {2545, 2530, 2515, 2500, 2485, 2470, 2455, 2440, 2425, 2410, 2395, 2377}, {65, 910}, {2336, 428},
     {1983, 542}, 26, 743, {131, 89, 305, 179}},
    {168, 2880, 1800, {{2880, -10}, {-233, -10}, {530, -233}, {530, 1800}},
     {{2666, -10}, {-19, -10}, {530, -19}, {530, 1586}}, 376, 770, 1426, {726, 1087}, 233, 1820,
     {2862, 2845, 2827, 2810, 2792, 2775, 2757, 2740, 2722, 2705, 2687, 2666}, {75, 1063}, {2618, 467},
     {2206, 599}, 30, 866, {152, 103, 355, 208}},
    {192, 3840, 2160, {{3840, 40}, {-266, 40}, {880, -266}, {880, 2160}},
     {{3596, 40}, {-22, 40}, {880, -22}, {880, 1916}}, 430, 880, 1630, {830, 1242}, 266, 2080,
     {3820, 3800, 3780, 3760, 3740, 3720, 3700, 3680, 3660, 3640, 3620, 3596}, {86, 1214}, {3542, 585},
     {3072, 736}, 34, 990, {174, 118, 406, 238}},
    {288, 3840, 2400, {{3840, -360}, {-399, -360}, {360, -399}, {360, 2400}},
     {{3474, -360}, {-33, -360}, {360, -33}, {360, 2034}}, 645, 1320, 2445, {1245, 1863}, 399, 3120,
     {3810, 3780, 3750, 3720, 3690, 3660, 3630, 3600, 3570, 3540, 3510, 3474}, {129, 1821}, {3393, 457},
     {2688, 684}, 51, 1485, {261, 177, 609, 357}},
};

TEST(ScaledGeometryTest, ParkedAndShownOnEveryEdge)
{
    for (const ScaleCase& c : kCases) {
        const DisplayScale scale(c.dpi);
        const WorkArea screen{0, 0, c.width, c.height};
        for (int e = 0; e < kDockEdges; ++e) {
            SCOPED_TRACE(testing::Message() << c.dpi << " dpi, edge " << e);
            const DockEdge edge = kAllDockEdges[e];
            EXPECT_EQ(c.parked[e], ParkedBarPosition(edge, c.width, c.height, scale));
            EXPECT_EQ(c.shown[e], ShownBarPosition(edge, screen, c.width, c.height, scale));
        }
    }
}

TEST(ScaledGeometryTest, DockDialogOnTheBar)
{
    for (const ScaleCase& c : kCases) {
        SCOPED_TRACE(c.dpi);
        const DisplayScale scale(c.dpi);
        EXPECT_EQ((ForegroundOffsets{0, c.inset, 0, -c.shrink}), ForegroundOffsetsFor(DockEdge::Left, scale));
        EXPECT_EQ((ForegroundOffsets{c.inset, 0, -c.shrink, 0}), ForegroundOffsetsFor(DockEdge::Top, scale));
        EXPECT_EQ((WorkArea{0, c.inset, c.thickness, c.mirrorEnd}),
                  MirrorDestination(DockEdge::Right, c.thickness, c.length, scale));
        EXPECT_EQ(c.dialogPoint, ToDockDialogPoint(DockEdge::Right, CoordinatePair{43, 822}, scale));
    }
}

// The bands meet where the pictures' sockets were drawn, so no row of the bar is left out or copied twice.
TEST(ScaledGeometryTest, BandsMeetAtTheRoundedJoints)
{
    for (const ScaleCase& c : kCases) {
        SCOPED_TRACE(c.dpi);
        const auto vertical = BarBandsOf(DockEdge::Right, DisplayScale(c.dpi));
        EXPECT_EQ((std::array<int, 5>{0, c.bandJoints[1], c.thickness, c.length - c.bandJoints[1], 0}),
                  Fields(vertical[0]));
        EXPECT_EQ((std::array<int, 5>{0, c.bandJoints[0], c.thickness, c.bandJoints[1] - c.bandJoints[0], 1}),
                  Fields(vertical[1]));
        EXPECT_EQ((std::array<int, 5>{0, 0, c.thickness, c.bandJoints[0], 2}), Fields(vertical[2]));
    }
}

TEST(ScaledGeometryTest, RevealTakesTwelveStepsAtEveryScale)
{
    for (const ScaleCase& c : kCases) {
        SCOPED_TRACE(c.dpi);
        const DisplayScale scale(c.dpi);
        const WorkArea screen{0, 0, c.width, c.height};
        SlideMove move{c.parked[0], false};
        std::vector<int> steps;
        while (!move.final && steps.size() < 20) {
            move = SlideStep(Slide{DockEdge::Right, true}, move.position, screen, c.width, c.height, scale);
            steps.push_back(move.position.x);
            EXPECT_EQ(c.parked[0].y, move.position.y);
        }
        EXPECT_EQ(std::vector<int>(std::begin(c.revealRight), std::end(c.revealRight)), steps);
    }
}

TEST(ScaledGeometryTest, CardBesideTheShownBar)
{
    for (const ScaleCase& c : kCases) {
        SCOPED_TRACE(c.dpi);
        const DisplayScale scale(c.dpi);
        const PanelRect bar{c.shown[0].x, c.shown[0].y, c.shown[0].x + c.thickness, c.shown[0].y + c.length};
        const PanelPlaces places =
            PlacePanel(DockEdge::Right, bar, DockButton::Tool0, c.lineWidth, c.lineHeight, c.width, c.height, scale);
        EXPECT_EQ(c.line, places.whiteLine);
        EXPECT_EQ(c.card, places.panel);
        EXPECT_EQ(c.firstText, Fields(PanelContentFor(DockButton::Tool0, scale).texts[0].rect));
    }
}

}  // namespace
}  // namespace zep
