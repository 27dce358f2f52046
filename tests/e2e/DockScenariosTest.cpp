// The bar at rest and in motion: where it parks on each edge, which buttons it shows, one launcher at a time,
// the assistant's role, and the dock key on each edge.

#include "E2e.h"

#include <tuple>

namespace zep::e2e {
namespace {

// Every tool on the right edge: three full groups, 1010 in place of 1008 and 1009.
const ButtonPlaces kAllToolsRight = {
    {1000, {53, 533, 48, 48}}, {1001, {53, 479, 48, 48}}, {1002, {53, 425, 48, 48}}, {1003, {53, 351, 48, 48}},
    {1004, {53, 297, 48, 48}}, {1005, {53, 243, 48, 48}}, {1006, {53, 129, 48, 48}}, {1007, {53, 75, 48, 48}},
    {1010, {53, 21, 48, 48}},  {1011, {82, 207, 27, 27}}, {1012, {45, 207, 27, 27}}};

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
        ButtonsCase{"all_right", 0, {std::begin(kAllTools), std::end(kAllTools)}, kParkedRight, {1920, 235, 133, 600},
                    kAllToolsRight},
        // A stored edge outside 0-3 is read as the right edge: parked there with the right edge's layout.
        ButtonsCase{"edge_out_of_range", 7, {std::begin(kAllTools), std::end(kAllTools)}, {1920, 20, 133, 1040},
                    {1920, 235, 133, 600}, kAllToolsRight}),
    RowName());

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
    EXPECT_FALSE(DebugString("X64 OS execute ZepAssistant64.exe succeeded", &second));
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

// On x64 the launcher starts the assistant, finds its hidden window and has it install the 64-bit hook. WM_CLOSE
// to the dock dialog ends the launcher and the assistant and frees the instance mutex: the next start works.
TEST_F(DockTest, TheAssistantHooksInAndLeavesWithTheLauncher)
{
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(DebugString("X64 OS execute ZepAssistant64.exe succeeded"));
    // The launcher does not wait for its assistant: it looks for the assistant's window now and then.
    ASSERT_TRUE(DebugString("m_hZepAstWnd64 WM_INSTALLSHELLHOOK64"));
    EXPECT_TRUE(DebugString("Assistant64 InstallShellHook64"));
    ASSERT_TRUE(Assistant()) << "no assistant window";
    EXPECT_FALSE(::IsWindowVisible(Assistant()));
    EXPECT_EQ(1u, ProcessesNamed(ZEP_ASSISTANT64_EXE).size());
    EXPECT_TRUE(CloseLauncher());
    EXPECT_TRUE(DebugString("m_hZepAstWnd64 WM_UNINSTALLSHELLHOOK64 WM_CLOSE"));
    EXPECT_TRUE(DebugString("Assistant64 UninstallShellHook64"));
    EXPECT_TRUE(WaitUntil([] { return !Assistant(); })) << "assistant window stays";
    EXPECT_TRUE(NoProcessNamed(ZEP_ASSISTANT64_EXE)) << "the assistant still runs";
    EXPECT_EQ(0, CountWindowsTitled(kBarTitle));
    EXPECT_EQ(0, CountWindowsTitled(kDockTitle));
    EXPECT_TRUE(InstanceMutexFree());
    ASSERT_TRUE(Launch()) << "the next start brings no bar";
    EXPECT_TRUE(WindowAt(kBarTitle, kParkedRight));
}

// A launcher closed while it starts, before it has found its assistant's window (three times), one that
// dies once its assistant hooked in, and one that dies right after starting its assistant (before that one
// could find the dock dialog) take the assistant along; the next start works.
TEST_F(DockTest, ALauncherEndedEarlyTakesItsAssistantAlong)
{
    for (int round = 1; round <= 5; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        if (round == 5) {
            StartLauncher(kOwnFolder + L"Zephra3.exe", "X64 OS execute ZepAssistant64.exe succeeded");
        } else {
            StartLauncher();
            ASSERT_TRUE(WaitUntil([] { return Dock() != nullptr; }, kStarts));
        }
        if (round <= 3) {
            ASSERT_TRUE(::PostMessageW(Dock(), WM_CLOSE, 0, 0));
        } else if (round == 4) {
            ASSERT_TRUE(LauncherReady());
            ASSERT_TRUE(DebugString("m_hZepAstWnd64 WM_INSTALLSHELLHOOK64")) << "no assistant";
            KillProcessesNamed(L"Zephra3.exe");
        }
        EXPECT_TRUE(LauncherEnds());
        if (round >= 4) {
            EXPECT_TRUE(DebugString("ZepAssistant64 launcher ended"));
        }
        EXPECT_TRUE(NoProcessNamed(ZEP_ASSISTANT64_EXE)) << "the assistant outlived the launcher";
        EXPECT_EQ(0, CountWindowsTitled(ZEP_ASSISTANT64_TITLE));
        EXPECT_TRUE(InstanceMutexFree());
    }
    ASSERT_TRUE(Launch()) << "the next start brings no bar";
}

// ---- on each edge: parked just beyond the edge of the 1920 x 1080 screen, the dialog over the bar's middle
// 600 pixels, both as tool windows; the dock key brings the bar in (122 of 133 pixels inside the screen) with a
// taskbar button and every button enabled; pointing at a tool button opens its card beside the bar, pointing
// at the combined button switches the same card to the wide one (the white line stays); the dock key closes
// it and takes the bar back out, both windows hidden, the buttons disabled ----

struct EdgeCase {
    const char* name;
    int edge;
    Box parked, parkedDock, shown, shownDock, card, line, wideCard;
};
std::ostream& operator<<(std::ostream& out, const EdgeCase& row) { return out << row.name; }

class OnEdge : public DockTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(OnEdge, ParksSlidesAndOpensCards)
{
    const EdgeCase& c = GetParam();
    Install(c.edge);
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(WindowAt(kBarTitle, c.parked));
    EXPECT_TRUE(WindowAt(kDockTitle, c.parkedDock));
    EXPECT_TRUE(IsToolWindow(kBarTitle));
    EXPECT_TRUE(IsToolWindow(kDockTitle));
    EXPECT_EQ(1, CountWindowsTitled(kBarTitle));
    // The section names of the ten slots and of the alternative tool, as read from LaunchInfo.ini.
    for (const wchar_t* tool : kAllTools) EXPECT_TRUE(DebugString(std::string(tool, tool + wcslen(tool))));
    for (const bool shown : {true, false}) {
        if (!shown) {
            PointAtButton(1003);
            ASSERT_TRUE(PanelAt(c.card, c.line));
            HWND card = PanelCard();
            ASSERT_TRUE(DockIdle());  // the fade-in runs on the dock's thread
            BYTE alpha = 0;
            LayeredFlags(card, &alpha);
            EXPECT_EQ(252, alpha) << "card's alpha after the fade-in";
            PointAtButton(kCombinedButton);
            ASSERT_TRUE(DockIdle());
            EXPECT_TRUE(WaitUntil([] { return PanelCard() && PlaceOf(PanelCard()).w == 436; })) << "no wide card";
            EXPECT_TRUE(PanelAt(c.wideCard, c.line));
            EXPECT_EQ(card, PanelCard()) << "the card window changed while switching";
            PointAway();
        }
        PressDockKey();
        EXPECT_TRUE(WindowAt(kBarTitle, shown ? c.shown : c.parked));
        EXPECT_TRUE(WindowAt(kDockTitle, shown ? c.shownDock : c.parkedDock));
        ASSERT_TRUE(DockIdle());
        EXPECT_TRUE(PairVisible(shown));
        EXPECT_TRUE(ButtonsDisabled(!shown));
        EXPECT_TRUE(IsToolWindow(kBarTitle, !shown));
    }
    EXPECT_TRUE(NoPanel()) << "after the dock key";
}

INSTANTIATE_TEST_SUITE_P(
    Edges, OnEdge,
    ::testing::Values(EdgeCase{"right", 0, kParkedRight, {1920, 235, 133, 600}, kShownRight, {1798, 235, 133, 600},
                               {1536, 368, 225, 344}, {1771, 292, 17, 495}, {1325, 368, 436, 344}},
                      EdgeCase{"left", 1, {-133, 20, 133, 1040}, {-133, 235, 133, 600}, {-11, 20, 133, 1040},
                               {-11, 235, 133, 600}, {159, 368, 225, 344}, {132, 292, 17, 495}, {159, 368, 436, 344}},
                      EdgeCase{"top", 2, {440, -133, 1040, 133}, {655, -133, 600, 133}, {440, -11, 1040, 133},
                               {655, -11, 600, 133}, {847, 159, 225, 344}, {712, 132, 495, 17}, {742, 159, 436, 344}},
                      EdgeCase{"bottom", 3, {440, 1080, 1040, 133}, {655, 1080, 600, 133}, {440, 958, 1040, 133},
                               {655, 958, 600, 133}, {847, 577, 225, 344}, {712, 931, 495, 17}, {742, 577, 436, 344}}),
    RowName());

}  // namespace
}  // namespace zep::e2e
