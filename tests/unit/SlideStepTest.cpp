// Shown positions, the slide step rule, the fade ramps and the dock-key test.
#include <gtest/gtest.h>

#include <vector>

#include "launcher/dock/BarPlacement.h"
#include "launcher/dock/DockKey.h"
#include "launcher/dock/FadeRamp.h"
#include "launcher/dock/SlideStep.h"

namespace zep {
namespace {

const WorkArea kFullScreen = {0, 0, 1920, 1080};

TEST(SlideStepTest, ShownPositionPerEdge)
{
    struct Case {
        int edge;
        WorkArea wa;
        int cx, cy;
        bool placed;
        CoordinatePair expected;
    };
    const Case cases[] = {
        {0, kFullScreen, 1920, 1080, true, {1798, 20}},
        {1, kFullScreen, 1920, 1080, true, {-11, 20}},
        {2, kFullScreen, 1920, 1080, true, {440, -11}},
        {3, kFullScreen, 1920, 1080, true, {440, 958}},
        {3, {0, 0, 1920, 1040}, 1920, 1080, true, {440, 918}},  // taskbar along the bottom
        {1, {60, 0, 1920, 1080}, 1920, 1080, true, {49, 20}},   // taskbar on the left
        {0, {0, 0, 1366, 728}, 1366, 768, true, {1244, -136}},  // screen shorter than the bar
        {4, kFullScreen, 1920, 1080, false, {7, 7}},
        {-1, kFullScreen, 1920, 1080, false, {7, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "edge " << c.edge);
        CoordinatePair position{7, 7};
        EXPECT_EQ(c.placed, ShownBarPosition(c.edge, c.wa, c.cx, c.cy, &position));
        EXPECT_EQ(c.expected, position);
    }
}

// Runs a slide to its end; returns every position placed, the last one the final placement.
std::vector<CoordinatePair> RunSlide(int code, CoordinatePair from, const WorkArea& wa, int cx, int cy)
{
    std::vector<CoordinatePair> placed;
    SlideMove move{from, false};
    while (!move.final && placed.size() < 1000) {
        EXPECT_TRUE(SlideStep(code, move.position, wa, cx, cy, &move));
        placed.push_back(move.position);
    }
    return placed;
}

// With the work area reaching the screen edge, every reveal and hide travels 122 pixels between the
// parked and the shown position: 11 steps of 10 pixels and one final placement, 12 ticks.
TEST(SlideStepTest, FullWorkAreaSlidesTake12TicksOnEveryEdge)
{
    for (int edge = 0; edge < 4; ++edge) {
        CoordinatePair parked, shown;
        ASSERT_TRUE(ParkedBarPosition(edge, 1920, 1080, &parked));
        ASSERT_TRUE(ShownBarPosition(edge, kFullScreen, 1920, 1080, &shown));
        for (bool reveal : {true, false}) {
            const int code = SlideCode(edge, reveal);
            SCOPED_TRACE(testing::Message() << "code " << code);
            const CoordinatePair from = reveal ? parked : shown;
            const CoordinatePair to = reveal ? shown : parked;
            const std::vector<CoordinatePair> placed = RunSlide(code, from, kFullScreen, 1920, 1080);
            ASSERT_EQ(12u, placed.size());
            EXPECT_EQ(to, placed.back());
            CoordinatePair previous = from;
            for (size_t i = 0; i + 1 < placed.size(); ++i) {
                const int dx = placed[i].x - previous.x, dy = placed[i].y - previous.y;
                EXPECT_EQ(100, dx * dx + dy * dy) << "step " << i;  // 10 pixels along one axis
                previous = placed[i];
            }
        }
    }
}

TEST(SlideStepTest, LeftRevealPassesThroughTenPixelSteps)
{
    const std::vector<CoordinatePair> placed = RunSlide(11, {-133, 20}, kFullScreen, 1920, 1080);
    std::vector<int> xs;
    for (const CoordinatePair& p : placed) {
        xs.push_back(p.x);
        EXPECT_EQ(20, p.y);
    }
    EXPECT_EQ((std::vector<int>{-123, -113, -103, -93, -83, -73, -63, -53, -43, -33, -23, -11}), xs);
}

TEST(SlideStepTest, SingleSteps)
{
    struct Case {
        int code;
        CoordinatePair from;
        bool valid;
        CoordinatePair to;
        bool final;
    };
    const Case cases[] = {
        {1, {1819, 20}, true, {1809, 20}, false},  // 21 left: a step
        {1, {1818, 20}, true, {1798, 20}, true},   // 20 left: final placement
        {1, {1700, 20}, true, {1798, 20}, true},   // past the target: placed on it at once
        {1, {1798, 20}, true, {1798, 20}, true},   // on the target
        {0, {1890, 5}, true, {1900, 5}, false},    // hide right: toward cx, y kept
        {0, {1900, 5}, true, {1920, 5}, true},
        {10, {-100, 20}, true, {-110, 20}, false},
        {10, {-113, 20}, true, {-133, 20}, true},
        {20, {440, -100}, true, {440, -110}, false},
        {21, {440, -40}, true, {440, -30}, false},
        {21, {440, -31}, true, {440, -11}, true},
        {30, {440, 1000}, true, {440, 1010}, false},
        {30, {440, 1060}, true, {440, 1080}, true},
        {31, {440, 1080}, true, {440, 1070}, false},
        {31, {440, 978}, true, {440, 958}, true},
        {2, {0, 0}, false, {0, 0}, false},
        {12, {0, 0}, false, {0, 0}, false},
        {40, {0, 0}, false, {0, 0}, false},
        {-1, {0, 0}, false, {0, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " from " << c.from.x << "," << c.from.y);
        SlideMove move{{0, 0}, false};
        ASSERT_EQ(c.valid, SlideStep(c.code, c.from, kFullScreen, 1920, 1080, &move));
        if (!c.valid)
            continue;
        EXPECT_EQ(c.to, move.position);
        EXPECT_EQ(c.final, move.final);
    }
}

TEST(SlideStepTest, HideTargetsFollowTheScreenSizePassedIn)
{
    SlideMove move{};
    ASSERT_TRUE(SlideStep(0, {1270, 0}, kFullScreen, 1280, 1024, &move));
    EXPECT_EQ((CoordinatePair{1280, 0}), move.position);
    ASSERT_TRUE(SlideStep(30, {0, 1000}, kFullScreen, 1280, 1024, &move));
    EXPECT_EQ((CoordinatePair{0, 1010}), move.position);
    EXPECT_FALSE(move.final);
}

TEST(SlideStepTest, FadeRamps)
{
    ASSERT_EQ(22u, kFadeInAlphas.size());
    EXPECT_EQ(0, kFadeInAlphas.front());
    EXPECT_EQ(252, kFadeInAlphas.back());
    EXPECT_EQ(255, kFadeOutAlphas.front());
    EXPECT_EQ(3, kFadeOutAlphas.back());
    for (size_t i = 1; i < kFadeInAlphas.size(); ++i) {
        EXPECT_EQ(12, kFadeInAlphas[i] - kFadeInAlphas[i - 1]);
        EXPECT_EQ(-12, kFadeOutAlphas[i] - kFadeOutAlphas[i - 1]);
    }
    // Without alpha ramps (16 bits per pixel) only the background is composed, in 32 steps of 8.
    ASSERT_EQ(32u, kSixteenBitInAlphas.size());
    EXPECT_EQ(248, kSixteenBitInAlphas.back());
    EXPECT_EQ(255, kSixteenBitOutAlphas.front());
    EXPECT_EQ(7, kSixteenBitOutAlphas.back());
}

TEST(SlideStepTest, DockKeyIsTheExtendedScanCode0x78OnRelease)
{
    struct Case {
        unsigned long flags, scanCode;
        bool dockKey;
    };
    const Case cases[] = {
        {0x81, 0x78, true},   // up, extended
        {0x91, 0x78, true},   // up, injected, extended (as SendInput delivers it)
        {0x01, 0x78, false},  // press
        {0x80, 0x78, false},  // release without the extended flag
        {0x81, 0x77, false},
        {0x81, 0x178, false},
        {0x00, 0x00, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.dockKey, IsDockKeyRelease(c.flags, c.scanCode)) << std::hex << c.flags << " " << c.scanCode;
}

}  // namespace
}  // namespace zep
