#pragma once

// The bar driver over a model of the bar's windows, for the property test and the fuzzing target: any event
// the dock dialog passes on, and the bar's invariants after each. Pure logic: no Windows headers.

#include <set>
#include <string>

#include "launcher/dock/BarDriver.h"

namespace zep {

// A bar as the windows behave: where it stands between parked (0) and shown (12 steps) on the edge it is
// laid out for, its windows, taskbar button, buttons, timers and card.
class ModelWindows : public BarWindows {
public:
    DockEdge edge = DockEdge::Right;
    int place = 0;
    bool visible = false, taskbar = false, enabled = true, card = false;
    std::set<unsigned> timers;
    std::string broken;  // the first thing the driver asked that the windows could not do

    void ShowBar() override { visible = true; }
    void HideBar() override { visible = false; }
    void SetTaskbarButton(bool shown) override { taskbar = shown; }
    void BringToFront() override {}
    void EndStartupHiding() override {}
    void StartSlideTimer(Slide slide) override { timers.insert(SlideTimerId(slide)); }
    void KillSlideTimer(Slide slide) override { timers.erase(SlideTimerId(slide)); }
    SlideStepDone StepSlide(Slide slide) override
    {
        if (slide.edge != edge)
            Break("a slide on an edge the bar is not laid out for");
        const int target = slide.reveal ? 12 : 0;
        const int before = place;
        place += place == target ? 0 : (slide.reveal ? 1 : -1);
        return SlideStepDone{place == target, place != before};
    }
    void PauseSlideStep() override {}
    void StartCardTimer() override {}
    void KillCardTimer() override {}
    bool OpenCard(DockButton, DockEdge) override { return card = true; }
    void RetargetCard(DockButton, DockEdge) override
    {
        if (!card)
            Break("a card switched that is not open");
    }
    void CloseCard(bool) override { card = false; }
    void EnableButtons(bool enable) override { enabled = enable; }
    void RepaintSettingsButton() override {}
    bool StoreEdge(DockEdge) override { return true; }
    void TakeEdge(DockEdge to, bool show) override
    {
        if (place != 0)
            Break("another edge taken away from the parked place");
        edge = to;
        visible = show;
    }

private:
    void Break(const char* what)
    {
        if (broken.empty())
            broken = what;
    }
};

class BarModel {
public:
    BarModel() : m_driver(m_windows, DockEdge::Right)
    {
        m_driver.StartupBegins();
        m_driver.StartupEnds();
    }

    // Applies the event `kind` picks (its argument from `detail`); what broke, or an empty string.
    std::string Apply(unsigned char kind, unsigned detail)
    {
        const Slide anySlide{kAllDockEdges[detail % 4], (detail & 4) != 0};
        switch (kind % 10) {
        case 0: m_driver.DockKeyReleased(); break;
        case 1: m_driver.HideButton(); break;
        case 2:
        case 3:
            // Mostly the tick of the running slide; now and then a stray one of any slide.
            m_driver.SlideTimerTicked(m_driver.TimedSlide() && (detail & 24) != 0 ? *m_driver.TimedSlide() : anySlide);
            break;
        case 4: m_driver.HoverReported((detail & 3) == 0 ? 2007 : 999 + static_cast<int>(detail >> 2) % 15, (detail >> 8) % 3); break;
        case 5: (detail & 1) ? m_driver.CardTimerTicked() : m_driver.CloseCardAtOnce(); break;
        case 6: m_driver.CardButtonClicked(); break;
        case 7:
            // The settings panel rests the buttons while it is open, and gives them back.
            m_settings = !m_settings;
            m_settings ? m_driver.SettingsOpened() : m_driver.SettingsClosed();
            m_windows.EnableButtons(!m_settings);
            break;
        default: m_driver.ChangeEdge(anySlide.edge); break;
        }
        return Check();
    }

    // Lets the running slide tick to its end; what broke, or an empty string.
    std::string RunOut()
    {
        for (int tick = 0; tick < 100 && m_driver.TimedSlide(); ++tick)
            m_driver.SlideTimerTicked(*m_driver.TimedSlide());
        if (m_driver.TimedSlide() || m_driver.State() == Moving)
            return "a slide that never ends";
        return Check();
    }

private:
    // One slide at a time; a moving bar always has a slide to end it; a card only beside a shown bar; with
    // no slide running, a shown bar stands whole and usable and a hidden one is parked.
    std::string Check() const
    {
        if (!m_windows.broken.empty())
            return m_windows.broken;
        if (m_windows.timers.size() > 1 || m_windows.timers.empty() != !m_driver.TimedSlide())
            return "slide timers out of step";
        if (m_driver.State() == Moving && !m_driver.TimedSlide())
            return "moving with no slide to end it";
        if (m_windows.card && m_driver.State() != Shown)
            return "a card beside a bar that is not shown";
        if (m_driver.TimedSlide())
            return "";
        if (m_driver.State() == Shown &&
            (m_windows.place != 12 || !m_windows.visible || !m_windows.taskbar || !(m_windows.enabled || m_settings)))
            return "a shown bar that is not whole";
        if (m_driver.State() == Hidden && m_windows.place != 0)
            return "a hidden bar that is not parked";
        return "";
    }

    ModelWindows m_windows;
    BarDriver m_driver;
    bool m_settings = false;
};

}  // namespace zep
