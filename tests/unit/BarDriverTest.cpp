// The bar driver against a recording fake of the bar's windows: which calls each event makes, in which
// order, on which edge.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "launcher/dock/BarDriver.h"

namespace zep {
namespace {

// Writes every call as one word; slide steps come from a script (a step not scripted is a plain step).
class RecordingWindows : public BarWindows {
public:
    std::string calls;
    std::deque<SlideStepDone> steps;
    bool cardOpens = true;

    void ShowBar() override { Add("show"); }
    void HideBar() override { Add("hide"); }
    void SetTaskbarButton(bool shown) override { Add(shown ? "taskbar+" : "taskbar-"); }
    void BringToFront() override { Add("front"); }
    void EndStartupHiding() override { Add("startup-over"); }
    void StartSlideTimer(Slide slide) override { Add("timer+" + std::to_string(SlideTimerId(slide))); }
    void KillSlideTimer(Slide slide) override { Add("timer-" + std::to_string(SlideTimerId(slide))); }
    SlideStepDone StepSlide(Slide slide) override
    {
        Add("step" + std::to_string(SlideTimerId(slide)));
        if (steps.empty())
            return SlideStepDone{false, true};
        const SlideStepDone step = steps.front();
        steps.pop_front();
        return step;
    }
    void PauseSlideStep() override { Add("pause"); }
    void StartCardTimer() override { Add("card-timer+"); }
    void KillCardTimer() override { Add("card-timer-"); }
    bool OpenCard(DockButton button, DockEdge edge) override
    {
        Add("open" + std::to_string(ControlId(button)) + "@" + std::to_string(EdgeIndex(edge)));
        return cardOpens;
    }
    void RetargetCard(DockButton button, DockEdge) override { Add("retarget" + std::to_string(ControlId(button))); }
    void CloseCard(bool fade) override { Add(fade ? "close-fade" : "close-now"); }
    void EnableButtons(bool enable) override { Add(enable ? "enable" : "disable"); }
    void RepaintSettingsButton() override { Add("repaint-settings"); }

    std::string Take() { return std::exchange(calls, std::string()); }

private:
    void Add(const std::string& call) { calls += (calls.empty() ? "" : " ") + call; }
};

constexpr SlideStepDone kFinal{true, true};

// A driver on the right edge, started up and shown.
void Reveal(BarDriver& driver, RecordingWindows& windows)
{
    driver.StartupBegins();
    driver.StartupEnds();
    ASSERT_TRUE(driver.DockKeyReleased());
    windows.steps = {kFinal};
    driver.SlideTimerTicked(RevealSlide(driver.Edge()));
    windows.Take();
}

TEST(BarDriverTest, RevealAndHideCarryTheirStepsInOrder)
{
    RecordingWindows windows;
    BarDriver driver(windows, DockEdge::Right);
    driver.StartupBegins();
    driver.StartupEnds();

    ASSERT_TRUE(driver.DockKeyReleased());
    EXPECT_EQ("startup-over show taskbar+ front timer+1 repaint-settings", windows.Take());
    driver.SlideTimerTicked(RevealSlide(DockEdge::Right));
    EXPECT_EQ("step1", windows.Take());
    EXPECT_EQ(Moving, driver.State());
    windows.steps = {kFinal};
    driver.SlideTimerTicked(RevealSlide(DockEdge::Right));
    EXPECT_EQ("step1 timer-1 enable", windows.Take());
    EXPECT_EQ(Shown, driver.State());

    driver.HoverReported(1003, 0);
    EXPECT_EQ("open1003@0", windows.Take());
    ASSERT_TRUE(driver.DockKeyReleased());
    EXPECT_EQ("taskbar- card-timer- close-now disable timer+0", windows.Take());
    windows.steps = {kFinal};
    driver.SlideTimerTicked(HideSlide(DockEdge::Right));
    EXPECT_EQ("step0 hide timer-0", windows.Take());
    EXPECT_EQ(Hidden, driver.State());
}

TEST(BarDriverTest, EventsOfAShownBar)
{
    struct Case {
        const char* name;
        DockEdge edge;
        void (*event)(BarDriver&, RecordingWindows&);
        std::string calls;
    };
    const Case cases[] = {
        {"the hide button", DockEdge::Right, [](BarDriver& d, RecordingWindows&) { d.HideButton(); },
         "taskbar- disable timer+0"},
        {"a hide on the top edge", DockEdge::Top, [](BarDriver& d, RecordingWindows&) { d.DockKeyReleased(); },
         "taskbar- disable timer+20"},
        {"a card beside a bottom bar", DockEdge::Bottom,
         [](BarDriver& d, RecordingWindows&) { d.HoverReported(1010, 0); }, "open1010@3"},
        {"the card switches", DockEdge::Right,
         [](BarDriver& d, RecordingWindows&) {
             d.HoverReported(1003, 0);
             d.HoverReported(1004, 0);
         },
         "open1003@0 card-timer- retarget1004"},
        {"the card closes with a fade", DockEdge::Right,
         [](BarDriver& d, RecordingWindows&) {
             d.HoverReported(1003, 0);
             d.HoverReported(1003, 1);
             d.CardTimerTicked();
         },
         "open1003@0 card-timer+ card-timer- close-fade"},
        {"a card that could not open opens on the next report", DockEdge::Right,
         [](BarDriver& d, RecordingWindows& w) {
             w.cardOpens = false;
             d.HoverReported(1003, 0);
             w.cardOpens = true;
             d.HoverReported(1003, 1);
             d.HoverReported(1003, 0);
         },
         "open1003@0 open1003@0"},
        {"a tool command closes the card at once", DockEdge::Right,
         [](BarDriver& d, RecordingWindows&) {
             d.HoverReported(1003, 0);
             d.CloseCardAtOnce();
         },
         "open1003@0 card-timer- close-now"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingWindows windows;
        BarDriver driver(windows, c.edge);
        Reveal(driver, windows);
        c.event(driver, windows);
        EXPECT_EQ(c.calls, windows.Take());
    }
}

// The blocking slide pauses before every step and ends at the slide's end, or where the bar stops moving.
TEST(BarDriverTest, BlockingSlideEndsAtTheTargetOrWhereTheBarStops)
{
    struct Case {
        std::vector<SlideStepDone> steps;
        std::string calls;
        DockState state;
    };
    const Case cases[] = {
        {{{false, true}, kFinal}, "pause step21 pause step21", Shown},
        {{kFinal}, "pause step21", Shown},
        {{{false, true}, {false, false}}, "pause step21 pause step21", Shown},  // stuck: ended, not spun
    };
    for (const Case& c : cases) {
        RecordingWindows windows;
        BarDriver driver(windows, DockEdge::Right);
        windows.steps.assign(c.steps.begin(), c.steps.end());
        driver.SlideToEnd(RevealSlide(DockEdge::Top));
        EXPECT_EQ(c.calls, windows.Take());
        EXPECT_EQ(c.state, driver.State());
    }
}

}  // namespace
}  // namespace zep
