// The bar driver against a recording fake of the bar's windows: which calls each event makes, in which
// order, on which edge.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <random>
#include <string>

#include "BarModel.h"
#include "launcher/dock/BarDriver.h"

namespace zep {
namespace {

// Writes every call as one word; slide steps come from a script (a step not scripted is a plain step).
// Slide timers started are written apart: a timer ticks only once the event is over, so where its start
// falls among the event's calls does not matter.
class RecordingWindows : public BarWindows {
public:
    std::string calls;
    std::string armed;
    std::deque<SlideStepDone> steps;
    bool cardOpens = true;

    void ShowBar() override { Add("show"); }
    void HideBar() override { Add("hide"); }
    void SetTaskbarButton(bool shown) override { Add(shown ? "taskbar+" : "taskbar-"); }
    void BringToFront() override { Add("front"); }
    void EndStartupHiding() override { Add("startup-over"); }
    void StartSlideTimer(Slide slide) override { armed += "timer+" + std::to_string(SlideTimerId(slide)); }
    void KillSlideTimer(Slide slide) override { Add("timer-" + std::to_string(SlideTimerId(slide))); }
    void PauseSlideStep() override { Add("pause"); }
    void StartCardTimer() override { Add("card-timer+"); }
    void KillCardTimer() override { Add("card-timer-"); }
    void RetargetCard(DockButton button, DockEdge) override { Add("retarget" + std::to_string(ControlId(button))); }
    void CloseCard(bool fade) override { Add(fade ? "close-fade" : "close-now"); }
    void EnableButtons(bool enable) override { Add(enable ? "enable" : "disable"); }
    void RepaintSettingsButton() override { Add("repaint-settings"); }
    SlideStepDone StepSlide(Slide slide) override
    {
        Add("step" + std::to_string(SlideTimerId(slide)));
        const SlideStepDone step = steps.empty() ? SlideStepDone{false, true} : steps.front();
        if (!steps.empty())
            steps.pop_front();
        return step;
    }
    bool OpenCard(DockButton button, DockEdge edge) override
    {
        Add("open" + std::to_string(ControlId(button)) + "@" + std::to_string(EdgeIndex(edge)));
        return cardOpens;
    }
    bool StoreEdge(DockEdge edge) override
    {
        Add("store" + std::to_string(EdgeIndex(edge)));
        return true;
    }
    void TakeEdge(DockEdge edge, bool show) override
    {
        Add("take" + std::to_string(EdgeIndex(edge)) + (show ? "+" : "-"));
    }
    std::string Take() { return std::exchange(calls, std::string()); }
    std::string TakeArmed() { return std::exchange(armed, std::string()); }

private:
    void Add(const std::string& call) { calls += (calls.empty() ? "" : " ") + call; }
};

constexpr SlideStepDone kFinal{true, true};

TEST(BarDriverTest, RevealAndHideCarryTheirStepsInOrder)
{
    RecordingWindows windows;
    BarDriver driver(windows, DockEdge::Right);
    driver.StartupBegins();
    driver.StartupEnds();
    ASSERT_TRUE(driver.DockKeyReleased());
    EXPECT_EQ("startup-over taskbar+ show front repaint-settings", windows.Take());
    EXPECT_EQ("timer+1", windows.TakeArmed());
    driver.SlideTimerTicked(RevealSlide(DockEdge::Right));
    EXPECT_EQ("step1", windows.Take());
    EXPECT_EQ(Moving, driver.State());
    windows.steps = {kFinal};
    driver.SlideTimerTicked(RevealSlide(DockEdge::Right));
    EXPECT_EQ("step1 timer-1 enable", windows.Take());
    EXPECT_EQ(Shown, driver.State());
    driver.HoverReported(1003, 0);
    ASSERT_TRUE(driver.DockKeyReleased());
    EXPECT_EQ("open1003@0 card-timer- close-now disable", windows.Take());
    EXPECT_EQ("timer+0", windows.TakeArmed());
    windows.steps = {kFinal};
    driver.SlideTimerTicked(HideSlide(DockEdge::Right));
    EXPECT_EQ("step0 hide taskbar- timer-0", windows.Take());
    EXPECT_EQ(Hidden, driver.State());
}

// The slide timer is started before the other calls of a reveal or hide, which take longer than its period:
// the first step then comes as soon as they are done.
TEST(BarDriverTest, RevealAndHideStartTheirTimersFirst)
{
    struct OrderedWindows : RecordingWindows {
        void StartSlideTimer(Slide slide) override
        {
            RecordingWindows::StartSlideTimer(slide);
            calls += calls.empty() ? "timer" : " timer";
        }
    } windows;
    BarDriver driver(windows, DockEdge::Left);
    driver.StartupEnds();
    driver.DockKeyReleased();
    EXPECT_EQ("timer startup-over taskbar+ show front repaint-settings", windows.Take());
    windows.steps = {kFinal};
    driver.SlideTimerTicked(RevealSlide(DockEdge::Left));
    windows.Take();
    driver.DockKeyReleased();
    EXPECT_EQ("timer disable", windows.Take());
    EXPECT_EQ("timer+11timer+10", windows.TakeArmed());
}

// Each event on a bar revealed on the case's edge.
TEST(BarDriverTest, EventsOfAShownBar)
{
    struct Case {
        DockEdge edge;
        std::function<void(BarDriver&, RecordingWindows&)> events;
        std::string calls;
        std::string armed = "";
    };
    const Case cases[] = {
        {DockEdge::Right, [](BarDriver& d, RecordingWindows&) { d.HideButton(); }, "disable", "timer+0"},
        {DockEdge::Top, [](BarDriver& d, RecordingWindows&) { d.DockKeyReleased(); }, "disable", "timer+20"},
        {DockEdge::Bottom, [](BarDriver& d, RecordingWindows&) { d.HoverReported(1010, 0); }, "open1010@3"},
        {DockEdge::Right, [](BarDriver& d, RecordingWindows&) { d.HoverReported(1003, 0), d.HoverReported(1004, 0); },
         "open1003@0 card-timer- retarget1004"},
        {DockEdge::Right,
         [](BarDriver& d, RecordingWindows&) { d.HoverReported(1003, 0), d.HoverReported(1003, 1), d.CardTimerTicked(); },
         "open1003@0 card-timer+ card-timer- close-fade"},
        {DockEdge::Right, [](BarDriver& d, RecordingWindows&) { d.HoverReported(1003, 0), d.CloseCardAtOnce(); },
         "open1003@0 card-timer- close-now"},
        // A card that could not be opened is opened at the next hot report.
        {DockEdge::Right,
         [](BarDriver& d, RecordingWindows& w) {
             w.cardOpens = false;
             d.HoverReported(1003, 0);
             w.cardOpens = true;
             d.HoverReported(1003, 1), d.HoverReported(1003, 0);
         },
         "open1003@0 open1003@0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.calls);
        RecordingWindows windows;
        BarDriver driver(windows, c.edge);
        driver.StartupEnds();
        driver.DockKeyReleased();
        windows.steps = {kFinal};
        driver.SlideTimerTicked(RevealSlide(c.edge));
        windows.Take();
        windows.TakeArmed();
        c.events(driver, windows);
        EXPECT_EQ(c.calls, windows.Take());
        EXPECT_EQ(c.armed, windows.TakeArmed());
    }
}

// The blocking slide pauses before every step and ends at the slide's end, or where the bar stops moving.
TEST(BarDriverTest, BlockingSlideEndsAtTheTargetOrWhereTheBarStops)
{
    for (const SlideStepDone last : {kFinal, SlideStepDone{false, false}}) {
        RecordingWindows windows;
        BarDriver driver(windows, DockEdge::Right);
        windows.steps = {{false, true}, last};
        driver.SlideToEnd(RevealSlide(DockEdge::Top));
        EXPECT_EQ("pause step21 pause step21", windows.Take());
        EXPECT_EQ(Shown, driver.State());
    }
}

TEST(BarDriverTest, EdgeChanges)
{
    struct Case {
        bool shown;
        DockEdge to;
        std::string calls;
    };
    const Case cases[] = {
        {true, DockEdge::Top, "store2 pause step0 take2+ pause step21"},
        {false, DockEdge::Left, "store1 take1-"},  // a hidden bar waits at the new edge, hidden
        {true, DockEdge::Right, ""},               // the current edge
    };
    for (const Case& c : cases) {
        RecordingWindows windows;
        BarDriver driver(windows, DockEdge::Right);
        driver.StartupEnds();
        if (c.shown) {
            driver.DockKeyReleased();
            windows.steps = {kFinal};
            driver.SlideTimerTicked(RevealSlide(DockEdge::Right));
        }
        windows.Take();
        windows.steps = {kFinal, kFinal};
        EXPECT_EQ(c.calls != "", driver.ChangeEdge(c.to));
        EXPECT_EQ(c.calls, windows.Take());
        EXPECT_EQ(c.shown ? Shown : Hidden, driver.State());
    }
    // While a slide runs or is about to, the edge stays.
    RecordingWindows windows;
    BarDriver driver(windows, DockEdge::Right);
    driver.StartupEnds();
    driver.DockKeyReleased();
    windows.Take();
    EXPECT_FALSE(driver.ChangeEdge(DockEdge::Top));
    EXPECT_EQ("", windows.Take());
}

// Long random sequences of every event the dock dialog passes on, in any order (any program can post the
// messages behind them), with the bar's invariants checked after each (BarModel.h); at the end every slide
// runs out. The fuzzing set-up drives the same model with its own sequences.
TEST(BarDriverTest, InvariantsHoldForAnyOrderOfEvents)
{
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        BarModel model;
        for (int step = 0; step < 2000; ++step) {
            const std::string broken = model.Apply(static_cast<unsigned char>(random()), static_cast<unsigned>(random()));
            ASSERT_EQ("", broken) << "step " << step;
        }
        EXPECT_EQ("", model.RunOut());
    }
}

}  // namespace
}  // namespace zep
