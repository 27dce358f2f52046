// The bar at rest and in motion: where it parks on each edge, which buttons it shows, one launcher at a time,
// the assistant's part, and the dock key's slides.

#include "E2e.h"

#include <tuple>

namespace zep::e2e {
namespace {


// Every tool on the right edge: three full groups, 1010 in place of 1008 and 1009.
const ButtonPlaces kAllToolsRight = {
    {1000, {53, 533, 48, 48}}, {1001, {53, 479, 48, 48}}, {1002, {53, 425, 48, 48}}, {1003, {53, 351, 48, 48}},
    {1004, {53, 297, 48, 48}}, {1005, {53, 243, 48, 48}}, {1006, {53, 129, 48, 48}}, {1007, {53, 75, 48, 48}},
    {1010, {53, 21, 48, 48}},  {1011, {82, 207, 27, 27}}, {1012, {45, 207, 27, 27}}};

// ---- the parked bar: just beyond the edge of the 1920 x 1080 screen, the dialog over its middle 600 pixels ----

struct ParkedCase {
    const char* name;
    int edge;
    Box bar, dock;
};
std::ostream& operator<<(std::ostream& out, const ParkedCase& row) { return out << row.name; }

class ParkedBar : public DockTest, public ::testing::WithParamInterface<ParkedCase> {};

TEST_P(ParkedBar, LiesBeyondItsEdgeAsToolWindows)
{
    Install(GetParam().edge);
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(WindowAt(kBarTitle, GetParam().bar));
    EXPECT_TRUE(WindowAt(kDockTitle, GetParam().dock));
    EXPECT_TRUE(IsToolWindow(kBarTitle));
    EXPECT_TRUE(IsToolWindow(kDockTitle));
    EXPECT_EQ(1, CountWindowsTitled(kBarTitle));
    // The section names of the ten slots and of the alternative tool, as read from LaunchInfo.ini.
    for (const char* tool : {"ZepBright", "ZepSaver", "ZepAir", "ZepMix", "ZepCam", "ZepTouch", "ZepGlow", "ZepSnap",
                             "ZepShare", "ZepCast", "ZepGlowLite"})
        EXPECT_TRUE(DebugString(tool));
}

INSTANTIATE_TEST_SUITE_P(Edges, ParkedBar,
                         ::testing::Values(ParkedCase{"right", 0, {1920, 20, 133, 1040}, {1920, 235, 133, 600}},
                                           ParkedCase{"left", 1, {-133, 20, 133, 1040}, {-133, 235, 133, 600}},
                                           ParkedCase{"top", 2, {440, -133, 1040, 133}, {655, -133, 600, 133}},
                                           ParkedCase{"bottom", 3, {440, 1080, 1040, 133}, {655, 1080, 600, 133}}),
                         RowName());

// ---- the buttons: absent tools hidden, present ones at the places of LaunchInfo.ini for their group ----

struct ButtonsCase {
    const char* name;
    int edge;
    std::vector<std::wstring> tools;
    Box bar, dock;
    ButtonPlaces visible;
};
std::ostream& operator<<(std::ostream& out, const ButtonsCase& row) { return out << row.name; }

class DockButtons : public DockTest, public ::testing::WithParamInterface<ButtonsCase> {};

TEST_P(DockButtons, ShowTheInstalledToolsAtTheirPlaces)
{
    Install(GetParam().edge, GetParam().tools);
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(WindowAt(kBarTitle, GetParam().bar));
    EXPECT_TRUE(WindowAt(kDockTitle, GetParam().dock));
    EXPECT_TRUE(ButtonsAt(GetParam().visible));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DockButtons,
    ::testing::Values(
        // Slots 0, 2 | 3 | 6 through its alternative tool, 8 and 9 (combined): layouts 2, 1, 2.
        ButtonsCase{"subset_right", 0, {L"ZepBright", L"ZepAir", L"ZepMix", L"ZepGlowLite", L"ZepShare", L"ZepCast"},
                    {1920, 20, 133, 1040}, {1920, 235, 133, 600},
                    {{1000, {53, 506, 48, 48}}, {1002, {53, 452, 48, 48}}, {1003, {53, 297, 48, 48}},
                     {1006, {53, 102, 48, 48}}, {1010, {53, 48, 48, 48}}, {1011, {82, 207, 27, 27}},
                     {1012, {45, 207, 27, 27}}}},
        // Slot 1 | 4, 5 | 6, 7 and 9 alone (no combined button): layouts 1, 2, 3.
        ButtonsCase{"subset_top", 2, {L"ZepSaver", L"ZepCam", L"ZepTouch", L"ZepGlow", L"ZepSnap", L"ZepCast"},
                    {440, -133, 1040, 133}, {655, -133, 600, 133},
                    {{1001, {83, 32, 48, 48}}, {1004, {238, 32, 48, 48}}, {1005, {292, 32, 48, 48}},
                     {1006, {433, 32, 48, 48}}, {1007, {487, 32, 48, 48}}, {1009, {541, 32, 48, 48}},
                     {1011, {376, 24, 27, 27}}, {1012, {376, 61, 27, 27}}}},
        // No tool: only the settings and hide buttons, at keys 7 and 8 of the layout-1 section.
        ButtonsCase{"none_left", 1, {}, {-133, 20, 133, 1040}, {-133, 235, 133, 600}, {{1011, {24, 207, 27, 27}}, {1012, {61, 207, 27, 27}}}},
        ButtonsCase{"all_bottom", 3, {std::begin(kAllTools), std::end(kAllTools)}, {440, 1080, 1040, 133},
                    {655, 1080, 600, 133},
                    {{1000, {29, 53, 48, 48}}, {1001, {83, 53, 48, 48}}, {1002, {137, 53, 48, 48}},
                     {1003, {211, 53, 48, 48}}, {1004, {265, 53, 48, 48}}, {1005, {319, 53, 48, 48}},
                     {1006, {433, 53, 48, 48}}, {1007, {487, 53, 48, 48}}, {1010, {541, 53, 48, 48}},
                     {1011, {376, 82, 27, 27}}, {1012, {376, 45, 27, 27}}}},
        // A stored edge outside 0-3 is read as the right edge: parked there with the right edge's layout.
        ButtonsCase{"edge_out_of_range", 7, {std::begin(kAllTools), std::end(kAllTools)}, {1920, 20, 133, 1040},
                    {1920, 235, 133, 600}, kAllToolsRight}),
    RowName());

// A tool uninstalled while the launcher runs: the registry change notice rebuilds the bar, the tool's button
// goes and the rest of its group moves to the places of the smaller layout.
TEST_F(DockTest, ARegistryChangeRebuildsTheBar)
{
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(ButtonsAt(kAllToolsRight));
    DeleteMachineValue(L"ZepBright");
    // Sent, not posted: a message sent after a posted one may be handled first.
    SendToDock(WM_REGISTRY_CHANGED, 0, 0);
    ButtonPlaces rebuilt = kAllToolsRight;
    rebuilt.erase(1000);
    rebuilt[1001] = {53, 506, 48, 48};
    rebuilt[1002] = {53, 452, 48, 48};
    EXPECT_TRUE(ButtonsAt(rebuilt));
}

// ---- one launcher, its assistant, its end ----

TEST_F(DockTest, ASecondLauncherEndsAndLeavesTheFirstAsItWas)
{
    DebuggedProcess& first = StartLauncher();
    ASSERT_TRUE(LauncherReady());
    HWND bar = Bar(), dock = Dock();
    // Place, styles and visibility of both windows.
    const auto state = [](HWND w) {
        return std::make_tuple(PlaceOf(w).x, PlaceOf(w).y, PlaceOf(w).w, PlaceOf(w).h, ::GetWindowLongPtrW(w, GWL_STYLE),
                               ::GetWindowLongPtrW(w, GWL_EXSTYLE), ::IsWindowVisible(w));
    };
    const auto barBefore = state(bar), dockBefore = state(dock);

    DebuggedProcess& second = StartLauncher();
    EXPECT_TRUE(second.WaitForExit(kStarts)) << "the second launcher keeps running";
    EXPECT_FALSE(first.WaitForExit(0)) << "the first launcher ended";
    EXPECT_FALSE(SawDebugString("X64 OS execute ZepAssistant64.exe succeeded", &second));
    EXPECT_EQ(1, CountWindowsTitled(kBarTitle));
    EXPECT_EQ(1, CountWindowsTitled(kDockTitle));
    EXPECT_EQ(bar, Bar());
    EXPECT_EQ(dock, Dock());
    EXPECT_EQ(barBefore, state(bar));
    EXPECT_EQ(dockBefore, state(dock));
    EXPECT_EQ(1u, ProcessesNamed(ZEP_ASSISTANT64_EXE).size());
    ASSERT_TRUE(::PostMessageW(dock, WM_CLOSE, 0, 0));
    EXPECT_TRUE(first.WaitForExit(kStarts));
}

// On x64 the launcher starts the assistant, finds its hidden window and has it install the 64-bit hook.
TEST_F(DockTest, TheAssistantInstallsTheShellHook)
{
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(DebugString("X64 OS execute ZepAssistant64.exe succeeded"));
    EXPECT_TRUE(DebugString("m_hZepAstWnd64 WM_INSTALLSHELLHOOK64"));
    EXPECT_TRUE(DebugString("Assistant64 InstallShellHook64"));
    HWND assistant = Assistant();
    ASSERT_TRUE(assistant) << "no assistant window";
    EXPECT_FALSE(::IsWindowVisible(assistant));
    EXPECT_EQ(1u, ProcessesNamed(ZEP_ASSISTANT64_EXE).size());
}

// WM_CLOSE to the dock dialog ends the launcher and the assistant and frees the instance mutex, so the next
// start works.
TEST_F(DockTest, CloseEndsLauncherAndAssistant)
{
    ASSERT_TRUE(Launch());
    // The launcher does not wait for its assistant: it looks for the assistant's window now and then.
    ASSERT_TRUE(DebugString("m_hZepAstWnd64 WM_INSTALLSHELLHOOK64")) << "no assistant before closing";
    EXPECT_TRUE(CloseLauncher());
    EXPECT_TRUE(DebugString("m_hZepAstWnd64 WM_UNINSTALLSHELLHOOK64 WM_CLOSE"));
    EXPECT_TRUE(DebugString("Assistant64 UninstallShellHook64"));
    EXPECT_TRUE(WaitUntil([] { return !Assistant(); })) << "assistant window stays";
    EXPECT_TRUE(NoProcessNamed(ZEP_ASSISTANT64_EXE)) << "the assistant still runs";
    EXPECT_EQ(0, CountWindowsTitled(kBarTitle));
    EXPECT_EQ(0, CountWindowsTitled(kDockTitle));
    EXPECT_TRUE(InstanceMutexFree());

    ASSERT_TRUE(Launch()) << "the next start brings no bar";
    EXPECT_TRUE(WindowAt(kBarTitle, {1920, 20, 133, 1040}));
}

// Closed while it starts, before it has found its assistant's window, the launcher still takes the assistant
// along (that assistant would not find its launcher to follow).
TEST_F(DockTest, ALauncherClosedWhileStartingTakesItsAssistantAlong)
{
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        StartLauncher();
        ASSERT_TRUE(WaitUntil([] { return Dock() != nullptr; }, kStarts));
        ASSERT_TRUE(::PostMessageW(Dock(), WM_CLOSE, 0, 0));
        EXPECT_TRUE(LauncherEnds());
        EXPECT_TRUE(NoProcessNamed(ZEP_ASSISTANT64_EXE)) << "the assistant outlived the launcher";
        EXPECT_EQ(0, CountWindowsTitled(ZEP_ASSISTANT64_TITLE));
    }
}

// A launcher that dies takes its assistant (and with it the 64-bit shell hook) along; the next start works.
TEST_F(DockTest, AKilledLauncherTakesItsAssistantAlong)
{
    ASSERT_TRUE(Launch());
    ASSERT_TRUE(DebugString("m_hZepAstWnd64 WM_INSTALLSHELLHOOK64")) << "no assistant";
    KillProcessesNamed(L"Zephra3.exe");
    EXPECT_TRUE(LauncherEnds());
    EXPECT_TRUE(NoProcessNamed(ZEP_ASSISTANT64_EXE)) << "the assistant outlived the launcher";
    EXPECT_TRUE(InstanceMutexFree());
    ASSERT_TRUE(Launch()) << "the next start brings no bar";
}

// ---- the dock key: in from the parked place to the shown one (122 of 133 pixels inside the screen), with a
// taskbar button and every button enabled; again, back out, both windows hidden, the buttons disabled ----

struct SlideCase {
    const char* name;
    int edge;
    Box parked, shown, shownDock;
};
std::ostream& operator<<(std::ostream& out, const SlideCase& row) { return out << row.name; }

class DockKeySlide : public DockTest, public ::testing::WithParamInterface<SlideCase> {};

TEST_P(DockKeySlide, BringsTheBarInAndOut)
{
    const SlideCase& c = GetParam();
    Install(c.edge);
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(WindowAt(kBarTitle, c.parked));
    PressDockKey();
    EXPECT_TRUE(WindowAt(kBarTitle, c.shown));
    EXPECT_TRUE(WindowAt(kDockTitle, c.shownDock));
    ASSERT_TRUE(DockIdle());
    EXPECT_TRUE(PairVisible(true));
    EXPECT_TRUE(ButtonsDisabled(false));
    EXPECT_TRUE(IsToolWindow(kBarTitle, false));

    PressDockKey();
    EXPECT_TRUE(WindowAt(kBarTitle, c.parked));
    ASSERT_TRUE(DockIdle());
    EXPECT_TRUE(PairVisible(false));
    EXPECT_TRUE(ButtonsDisabled(true));
    EXPECT_TRUE(IsToolWindow(kBarTitle));
}

INSTANTIATE_TEST_SUITE_P(
    Edges, DockKeySlide,
    ::testing::Values(
        SlideCase{"right", 0, {1920, 20, 133, 1040}, {1798, 20, 133, 1040}, {1798, 235, 133, 600}},
        SlideCase{"left", 1, {-133, 20, 133, 1040}, {-11, 20, 133, 1040}, {-11, 235, 133, 600}},
        SlideCase{"top", 2, {440, -133, 1040, 133}, {440, -11, 1040, 133}, {655, -11, 600, 133}},
        SlideCase{"bottom", 3, {440, 1080, 1040, 133}, {440, 958, 1040, 133}, {655, 958, 600, 133}}),
    RowName());

}  // namespace
}  // namespace zep::e2e
