// Shown positions, the slides and their step rule.
#include <gtest/gtest.h>

#include <vector>

#include "launcher/dock/BarPlacement.h"
#include "launcher/dock/SlideStep.h"

namespace zep {
namespace {

const WorkArea kFullScreen = {0, 0, 1920, 1080};

TEST(SlideStepTest, ShownPositionPerEdge)
{
    struct Case {
        DockEdge edge;
        WorkArea wa;
        int cx, cy;
        CoordinatePair expected;
    };
    const Case cases[] = {
        {DockEdge::Right, kFullScreen, 1920, 1080, {1798, 20}},
        {DockEdge::Left, kFullScreen, 1920, 1080, {-11, 20}},
        {DockEdge::Top, kFullScreen, 1920, 1080, {440, -11}},
        {DockEdge::Bottom, kFullScreen, 1920, 1080, {440, 958}},
        {DockEdge::Bottom, {0, 0, 1920, 1040}, 1920, 1080, {440, 918}},  // taskbar along the bottom
        {DockEdge::Left, {60, 0, 1920, 1080}, 1920, 1080, {49, 20}},     // taskbar on the left
        {DockEdge::Right, {0, 0, 1366, 728}, 1366, 768, {1244, -136}},   // screen shorter than the bar
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "edge " << EdgeIndex(c.edge));
        EXPECT_EQ(c.expected, ShownBarPosition(c.edge, c.wa, c.cx, c.cy));
    }
}

// Runs a slide to its end; returns every position placed, the last one the final placement.
std::vector<CoordinatePair> RunSlide(Slide slide, CoordinatePair from, const WorkArea& wa, int cx, int cy)
{
    std::vector<CoordinatePair> placed;
    SlideMove move{from, false};
    while (!move.final && placed.size() < 1000) {
        move = SlideStep(slide, move.position, wa, cx, cy);
        placed.push_back(move.position);
    }
    return placed;
}

// With the work area reaching the screen edge, every reveal and hide travels 122 pixels between the
// parked and the shown position: 11 steps of 10 pixels and one final placement, 12 ticks.
TEST(SlideStepTest, FullWorkAreaSlidesTake12TicksOnEveryEdge)
{
    for (DockEdge edge : kAllDockEdges) {
        const CoordinatePair parked = ParkedBarPosition(edge, 1920, 1080);
        const CoordinatePair shown = ShownBarPosition(edge, kFullScreen, 1920, 1080);
        for (bool reveal : {true, false}) {
            const Slide slide{edge, reveal};
            SCOPED_TRACE(testing::Message() << "timer " << SlideTimerId(slide));
            const CoordinatePair from = reveal ? parked : shown;
            const CoordinatePair to = reveal ? shown : parked;
            const std::vector<CoordinatePair> placed = RunSlide(slide, from, kFullScreen, 1920, 1080);
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
    const std::vector<CoordinatePair> placed = RunSlide(RevealSlide(DockEdge::Left), {-133, 20}, kFullScreen, 1920, 1080);
    std::vector<int> xs;
    for (const CoordinatePair& p : placed) {
        xs.push_back(p.x);
        EXPECT_EQ(20, p.y);
    }
    EXPECT_EQ((std::vector<int>{-123, -113, -103, -93, -83, -73, -63, -53, -43, -33, -23, -11}), xs);
}

// Each row names its slide by the identifier of the timer that drives it; a timer that drives no slide
// gives no step.
TEST(SlideStepTest, SingleSteps)
{
    struct Case {
        unsigned timerId;
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
        {41, {0, 0}, false, {0, 0}, false},
        {0xffffffffu, {0, 0}, false, {0, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "timer " << c.timerId << " from " << c.from.x << "," << c.from.y);
        const std::optional<Slide> slide = SlideOfTimer(c.timerId);
        ASSERT_EQ(c.valid, slide.has_value());
        if (!c.valid)
            continue;
        EXPECT_EQ(c.timerId, SlideTimerId(*slide));
        const SlideMove move = SlideStep(*slide, c.from, kFullScreen, 1920, 1080);
        EXPECT_EQ(c.to, move.position);
        EXPECT_EQ(c.final, move.final);
    }
}

TEST(SlideStepTest, HideTargetsFollowTheScreenSizePassedIn)
{
    SlideMove move = SlideStep(HideSlide(DockEdge::Right), {1270, 0}, kFullScreen, 1280, 1024);
    EXPECT_EQ((CoordinatePair{1280, 0}), move.position);
    move = SlideStep(HideSlide(DockEdge::Bottom), {0, 1000}, kFullScreen, 1280, 1024);
    EXPECT_EQ((CoordinatePair{0, 1010}), move.position);
    EXPECT_FALSE(move.final);
}

}  // namespace
}  // namespace zep
