// The bar, its dock dialog, its bands, its slides and its card at the drawn display scales, on a screen of
// the size such a scale is usually found on (the work area the whole screen).
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "launcher/dock/DockGeometry.h"
#include "launcher/dock/SlideStep.h"
#include "launcher/skin/BarBands.h"
#include "launcher/skin/PanelPlacement.h"

namespace zep {
namespace {

struct ScaleCase {
    int dpi, width, height;
    CoordinatePair parked[kDockEdges], shown[kDockEdges];  // right, left, top, bottom
    int inset, shrink, farEnd;  // the dock dialog on a vertical bar: offset, bar minus dialog, dialog end to bar end
    std::array<int, 2> joints;                             // band joints along a vertical bar
    int reveal[12];                                        // every step's x of a reveal on the right
    CoordinatePair dialogPoint, card;  // the place (43, 822) of LaunchInfo.ini; slot 0's card on the right
    int lineWidth, lineHeight;         // picture 317 of the set
    std::array<int, 4> headline;       // slot 0's card headline: left, top, right, bottom
};

const ScaleCase kCases[] = {
    {120, 1920, 1080, {{1920, -110}, {-166, -110}, {310, -166}, {310, 1080}},
     {{1767, -110}, {-13, -110}, {310, -13}, {310, 927}}, 269, 550, 281, {519, 776},
     {1907, 1895, 1882, 1870, 1857, 1845, 1832, 1820, 1807, 1795, 1782, 1767}, {54, 759}, {1439, 325}, 21, 619, {109, 74, 254, 149}},
    {144, 2560, 1600, {{2560, 20}, {-200, 20}, {500, -200}, {500, 1600}},
     {{2377, 20}, {-17, 20}, {500, -17}, {500, 1417}}, 323, 660, 337, {623, 932},
     {2545, 2530, 2515, 2500, 2485, 2470, 2455, 2440, 2425, 2410, 2395, 2377}, {65, 910}, {1983, 542}, 26, 743, {131, 89, 305, 179}},
    {168, 2880, 1800, {{2880, -10}, {-233, -10}, {530, -233}, {530, 1800}},
     {{2666, -10}, {-19, -10}, {530, -19}, {530, 1586}}, 376, 770, 394, {726, 1087},
     {2862, 2845, 2827, 2810, 2792, 2775, 2757, 2740, 2722, 2705, 2687, 2666}, {75, 1063}, {2206, 599}, 30, 866, {152, 103, 355, 208}},
    {192, 3840, 2160, {{3840, 40}, {-266, 40}, {880, -266}, {880, 2160}},
     {{3596, 40}, {-22, 40}, {880, -22}, {880, 1916}}, 430, 880, 450, {830, 1242},
     {3820, 3800, 3780, 3760, 3740, 3720, 3700, 3680, 3660, 3640, 3620, 3596}, {86, 1214}, {3072, 736}, 34, 990, {174, 118, 406, 238}},
    {288, 3840, 2400, {{3840, -360}, {-399, -360}, {360, -399}, {360, 2400}},
     {{3474, -360}, {-33, -360}, {360, -33}, {360, 2034}}, 645, 1320, 675, {1245, 1863},
     {3810, 3780, 3750, 3720, 3690, 3660, 3630, 3600, 3570, 3540, 3510, 3474}, {129, 1821}, {2688, 684}, 51, 1485, {261, 177, 609, 357}},
};

TEST(ScaledGeometryTest, BarDialogBandsSlideAndCardAtEveryScale)
{
    for (const ScaleCase& c : kCases) {
        SCOPED_TRACE(c.dpi);
        const DisplayScale scale(c.dpi);
        const WorkArea screen{0, 0, c.width, c.height};
        for (int e = 0; e < kDockEdges; ++e) {
            EXPECT_EQ(c.parked[e], ParkedBarPosition(kAllDockEdges[e], c.width, c.height, scale)) << e;
            EXPECT_EQ(c.shown[e], ShownBarPosition(kAllDockEdges[e], screen, c.width, c.height, scale)) << e;
        }
        EXPECT_EQ((ForegroundOffsets{0, c.inset, 0, -c.shrink}), ForegroundOffsetsFor(DockEdge::Left, scale));
        EXPECT_EQ((WorkArea{0, c.inset, 0, -c.farEnd}), MirrorDestination(DockEdge::Right, 0, 0, scale));
        EXPECT_EQ(c.dialogPoint, ToDockDialogPoint(DockEdge::Right, CoordinatePair{43, 822}, scale));
        // The bands meet where the pictures' sockets were drawn: no row is left out or copied twice.
        const auto bands = BarBandsOf(DockEdge::Right, scale);
        EXPECT_EQ(c.joints, (std::array<int, 2>{bands[1].y, bands[0].y}));
        EXPECT_EQ(bands[1].y + bands[1].height, bands[0].y);
        EXPECT_EQ(bands[2].height, bands[1].y);

        SlideMove move{c.parked[0], false};
        std::vector<int> steps;
        while (!move.final && steps.size() < 20) {
            move = SlideStep(Slide{DockEdge::Right, true}, move.position, screen, c.width, c.height, scale);
            steps.push_back(move.position.x);
        }
        EXPECT_EQ(std::vector<int>(std::begin(c.reveal), std::end(c.reveal)), steps);

        const PanelRect bar{c.shown[0].x, c.shown[0].y, c.width, c.height};
        EXPECT_EQ(c.card, PlacePanel(DockEdge::Right, bar, DockButton::Tool0, c.lineWidth, c.lineHeight, c.width,
                                     c.height, scale).panel);
        const PanelRect headline = PanelContentFor(DockButton::Tool0, scale).texts[0].rect;
        EXPECT_EQ(c.headline, (std::array<int, 4>{headline.left, headline.top, headline.right, headline.bottom}));
    }
}

}  // namespace
}  // namespace zep
