// The dock's state machine: every row of the bar's state table and the hover cases, as event sequences.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/dock/DockStateMachine.h"

namespace zep {
namespace {

enum Kind { Key, HideButton, Tick, Begin, Blocking, Hover, PanelTimer, SettingsOpen, SettingsClose, PanelGone, ToolCmd, CardClick };
struct Event {
    Kind kind;
    int a = 0;  // Tick/Blocking: the slide's timer identifier; Hover: control
    int b = 0;  // Tick/Blocking: final; Hover: lParam
};

// The commands as one line, in the order the dock dialog carries them out.
std::string Describe(const DockCommands& c)
{
    std::string s;
    auto add = [&s](const std::string& word) { s += (s.empty() ? "" : " ") + word; };
    if (c.startReveal) add("reveal");
    if (c.startHide) add("hide");
    if (c.panelTimer == PanelTimerCommand::Start) add("timer-start");
    if (c.panelTimer == PanelTimerCommand::Kill) add("timer-kill");
    switch (c.panel) {
    case PanelCommand::None: break;
    case PanelCommand::Open: add("open " + std::to_string(ControlId(c.panelButton))); break;
    case PanelCommand::Retarget: add("retarget " + std::to_string(ControlId(c.panelButton))); break;
    case PanelCommand::CloseWithFade: add("close-fade"); break;
    case PanelCommand::CloseAtOnce: add("close-now"); break;
    }
    if (c.hideBar) add("hide-bar");
    if (c.killSlideTimer) add("kill-slide " + std::to_string(SlideTimerId(*c.killSlideTimer)));
    if (c.enableButtons) add("enable");
    return s;
}

// Applies the events; returns the commands of the last one ("unhandled" for a dock key not consumed).
std::string Run(DockStateMachine& m, const std::vector<Event>& events)
{
    std::string last;
    for (const Event& e : events) {
        DockCommands c;
        switch (e.kind) {
        case Key: last = m.DockKeyReleased(&c) ? Describe(c) : "unhandled"; continue;
        case HideButton: c = m.HideButton(); break;
        case Tick: c = m.SlideTicked(*SlideOfTimer(static_cast<unsigned>(e.a)), e.b != 0); break;
        case Begin: m.SlideStepBegins(); break;
        case Blocking: m.BlockingSlideStepped(*SlideOfTimer(static_cast<unsigned>(e.a)), e.b != 0); break;
        case Hover: c = m.HoverReported(e.a, e.b); break;
        case PanelTimer: c = m.PanelTimerTicked(); break;
        case SettingsOpen: m.SettingsOpened(); break;
        case SettingsClose: m.SettingsClosed(); break;
        case PanelGone: m.PanelClosed(); break;
        case ToolCmd: c = m.CloseCardAtOnce(); break;
        case CardClick: m.CardButtonClicked(); break;
        }
        last = Describe(c);
    }
    return last;
}

const std::vector<Event> kShownRight = {{Key}, {Tick, 1, 0}, {Tick, 1, 1}};
const std::vector<Event> kShownTop = {{Key}, {Tick, 21, 1}};

std::vector<Event> Then(std::vector<Event> events, const std::vector<Event>& more)
{
    events.insert(events.end(), more.begin(), more.end());
    return events;
}

struct Case {
    const char* name;
    std::vector<Event> events;
    std::string commands;  // of the last event
    DockState state;
    int panelSlot;  // -1: no panel
};

void Check(const Case& c)
{
    SCOPED_TRACE(c.name);
    DockStateMachine m;
    m.StartupBegins();
    EXPECT_EQ(Moving, m.State());
    m.StartupEnds();
    EXPECT_EQ(c.commands, Run(m, c.events));
    EXPECT_EQ(c.state, m.State());
    EXPECT_EQ(c.panelSlot >= 0, m.PanelOpen());
    if (c.panelSlot >= 0)
        EXPECT_EQ(1000 + c.panelSlot, ControlId(*m.PanelButton()));
}

TEST(DockStateMachineTest, BarStates)
{
    const Case cases[] = {
        {"hidden, key: reveal starts, still hidden", {{Key}}, "reveal", Hidden, -1},
        {"second key before the first tick starts over", {{Key}, {Key}}, "reveal", Hidden, -1},
        {"reveal tick short of the end", {{Key}, {Tick, 1, 0}}, "", Moving, -1},
        {"reveal tick at the end", kShownRight, "kill-slide 1 enable", Shown, -1},
        {"top edge reveal end", kShownTop, "kill-slide 21 enable", Shown, -1},
        {"key while moving is consumed", {{Key}, {Tick, 11, 0}, {Key}}, "", Moving, -1},
        {"shown, key: hide starts, still shown", Then(kShownRight, {{Key}}), "hide", Shown, -1},
        {"hide tick short of the end", Then(kShownRight, {{Key}, {Tick, 0, 0}}), "", Moving, -1},
        {"hide tick at the end", Then(kShownRight, {{Key}, {Tick, 0, 1}}), "hide-bar kill-slide 0", Hidden, -1},
        {"hide button while shown", Then(kShownRight, {{HideButton}}), "hide", Shown, -1},
        {"hide button whatever the state", {{HideButton}}, "hide", Hidden, -1},
        {"a hide's first step moves a Moving bar", Then(kShownRight, {{Key}, {Begin}}), "", Moving, -1},
        {"settings open: key not the dock key", Then(kShownRight, {{SettingsOpen}, {Key}}), "unhandled", Shown, -1},
        {"settings closed again: key hides", Then(kShownRight, {{SettingsOpen}, {SettingsClose}, {Key}}), "hide",
         Shown, -1},
        {"blocking reveal ends shown", {{Blocking, 31, 0}, {Blocking, 31, 1}}, "", Shown, -1},
        {"blocking hide ends hidden", Then(kShownRight, {{Blocking, 20, 1}}), "", Hidden, -1},
        {"blocking step short of the end", {{Blocking, 11, 0}}, "", Moving, -1},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(DockStateMachineTest, HoverAndPanel)
{
    const std::vector<Event> open3 = Then(kShownRight, {{Hover, 1003, 1}, {Hover, 1003, 0}});
    const Case cases[] = {
        {"hot report opens the panel", open3, "open 1003", Shown, 3},
        {"first report of a button is hot", Then(kShownRight, {{Hover, 1005, 0}}), "open 1005", Shown, 5},
        {"combined button", Then(kShownRight, {{Hover, 1010, 0}}), "open 1010", Shown, 10},
        {"repeated hot reports open once", Then(open3, {{Hover, 1003, 0}}), "", Shown, 3},
        {"another button hot before the last one's late leave", Then(open3, {{Hover, 1004, 0}}),
         "timer-kill retarget 1004", Shown, 4},
        {"the late leave then changes nothing", Then(open3, {{Hover, 1004, 0}, {Hover, 1003, 1}}), "", Shown, 4},
        {"card's button hot before the late leave keeps the card",
         Then(open3, {{Hover, 2007, 0}, {Hover, 1003, 1}, {Hover, 2007, 0}}), "", Shown, 3},
        {"leaving starts the close timer", Then(open3, {{Hover, 1003, 1}}), "timer-start", Shown, 3},
        {"leaving again restarts it", Then(open3, {{Hover, 1003, 1}, {Hover, 1003, 1}}), "timer-start", Shown, 3},
        {"normal report of another control does nothing", Then(open3, {{Hover, 1004, 1}}), "", Shown, 3},
        {"next button switches without closing", Then(open3, {{Hover, 1003, 1}, {Hover, 1004, 0}}),
         "timer-kill retarget 1004", Shown, 4},
        {"back onto the same button keeps the panel", Then(open3, {{Hover, 1003, 1}, {Hover, 1003, 0}}),
         "timer-kill", Shown, 3},
        {"the panel's own buttons keep it", Then(open3, {{Hover, 1003, 1}, {Hover, 2007, 0}}), "timer-kill", Shown,
         3},
        {"leaving the panel's button starts the timer",
         Then(open3, {{Hover, 1003, 1}, {Hover, 2008, 0}, {Hover, 2008, 1}}), "timer-start", Shown, 3},
        {"timer closes with a fade", Then(open3, {{Hover, 1003, 1}, {PanelTimer}}), "timer-kill close-fade", Shown,
         -1},
        {"timer without panel only dies", Then(kShownRight, {{PanelTimer}}), "timer-kill", Shown, -1},
        {"after the timer a new hot report opens again",
         Then(open3, {{Hover, 1003, 1}, {PanelTimer}, {Hover, 1002, 0}}), "open 1002", Shown, 2},
        {"key hides and closes the panel at once", Then(open3, {{Key}}), "hide timer-kill close-now", Shown, -1},
        {"hide button closes the panel at once", Then(open3, {{HideButton}}), "hide timer-kill close-now", Shown, -1},
        {"a tool command closes the card at once", Then(open3, {{ToolCmd}}), "timer-kill close-now", Shown, -1},
        {"a tool command without card does nothing", Then(kShownRight, {{ToolCmd}}), "", Shown, -1},
        {"after a card button's click, the last tool button opens a card again",
         Then(open3, {{Hover, 1003, 1}, {Hover, 1003, 0}, {CardClick}, {ToolCmd}, {Hover, 1003, 0}}), "open 1003",
         Shown, 3},
        {"a panel that went away is opened anew", Then(open3, {{PanelGone}, {Hover, 1003, 1}, {Hover, 1003, 0}}),
         "open 1003", Shown, 3},
        {"settings button never opens", Then(kShownRight, {{Hover, 1011, 0}}), "", Shown, -1},
        {"hide button never opens", Then(kShownRight, {{Hover, 1012, 0}}), "", Shown, -1},
        {"settings and hide buttons never switch", Then(open3, {{Hover, 1003, 1}, {Hover, 1011, 0}}), "", Shown, 3},
        {"hidden: nothing opens", {{Hover, 1003, 0}}, "", Hidden, -1},
        {"moving: nothing opens", {{Key}, {Tick, 1, 0}, {Hover, 1003, 0}}, "", Moving, -1},
        {"hiding: reports ignored", Then(open3, {{Key}, {Tick, 0, 0}, {Hover, 1003, 1}}), "", Moving, -1},
        {"a late report after the hide began opens no card", Then(kShownRight, {{Key}, {Hover, 1003, 0}}), "", Shown,
         -1},
        {"nor after the hide button", Then(kShownRight, {{HideButton}, {Hover, 1004, 1}, {Hover, 1004, 0}}), "", Shown,
         -1},
        {"the next reveal takes reports again",
         Then(kShownRight, {{Key}, {Tick, 0, 1}, {Key}, {Tick, 1, 1}, {Hover, 1003, 0}}), "open 1003", Shown, 3},
        {"reports while hidden do not rearm", {{Hover, 1003, 0}, {Key}, {Tick, 1, 1}, {Hover, 1003, 0}},
         "open 1003", Shown, 3},
    };
    for (const Case& c : cases)
        Check(c);
}

}  // namespace
}  // namespace zep
