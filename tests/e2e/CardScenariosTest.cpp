// The description card's rules beside the revealed bar, and what the buttons do.

#include "E2e.h"

#include <tuple>

namespace zep::e2e {
namespace {

const Box kCardRight = {1536, 368, 225, 344};
const Box kLineRight = {1771, 292, 17, 495};

// The hover rules on the right edge: keys that are not the dock key's release do nothing; nothing opens while
// the bar is hidden or moving or for the settings and hide buttons; repeated reports open one card; the next
// button switches it; the card's own buttons keep it; leaving closes it about 2 s later; a second dock key
// during the slide is ignored.
TEST_F(DockTest, CardHoverRules)
{
    ASSERT_TRUE(Launch());
    SendToDock(WM_BUTTON_HOVER, 1003, 0);
    KeyEvent(kDockScanCode, false, true);  // pressed, not released
    KeyEvent(kDockScanCode, true, false);  // released without the extended flag
    KeyEvent(0x79, true, true);            // another key
    ASSERT_TRUE(DockIdle());
    Observe(300);
    EXPECT_EQ(kParkedRight, PlaceOf(Bar())) << "after keys that are not the dock key";
    EXPECT_TRUE(NoPanel()) << "while the bar is hidden";

    SendDockKey();
    SendToDock(WM_BUTTON_HOVER, 1003, 0);  // reaches the launcher while the slide runs
    EXPECT_TRUE(WindowAt(kBarTitle, kShownRight));
    ASSERT_TRUE(DockIdle());
    EXPECT_TRUE(NoPanel()) << "for a report during the slide";
    PressDockKey();
    ::PostMessageW(Dock(), WM_BUTTON_HOVER, 1003, 0);  // behind the dock key's release: the hide has begun
    EXPECT_TRUE(WindowAt(kBarTitle, kParkedRight));
    ASSERT_TRUE(DockIdle());
    EXPECT_TRUE(NoPanel()) << "for a report right after the dock key's hide";
    SendDockKey();
    ::Sleep(40);  // the second release reaches the launcher while the first slide runs
    SendDockKey();
    EXPECT_TRUE(WindowAt(kBarTitle, kShownRight));
    Observe(500);
    EXPECT_EQ(kShownRight, PlaceOf(Bar())) << "a dock key during the slide turned the bar back";

    for (int id : {kSettingsButton, kHideButton}) {
        PointAtButton(id);
        Observe(1000);
        EXPECT_TRUE(NoPanel()) << "over button " << id;
    }

    PointAtButton(1003);
    ASSERT_TRUE(PanelAt(kCardRight, kLineRight));
    HWND card = PanelCard();
    for (int i = 0; i < 3; ++i) SendToDock(WM_BUTTON_HOVER, 1003, 0);
    ASSERT_TRUE(DockIdle());
    EXPECT_EQ(3, PanelWindowCount()) << "after repeated reports";
    EXPECT_EQ(card, PanelCard()) << "after repeated reports";

    PointAtButton(1004);
    EXPECT_TRUE(WaitUntil([] { return TextOf(::GetDlgItem(PanelCard(), kCardHeadline)) == L"Your camera, your choice"; }))
        << "headline after moving to the next button";
    EXPECT_EQ(card, PanelCard()) << "after moving to the next button";

    PointAtButton(kCombinedButton);
    ASSERT_TRUE(DockIdle());
    ASSERT_TRUE(WaitUntil([] { return PointAtPanelButton(kCardOkFirst); })) << "no OK button on the wide card";
    Observe(3000);
    EXPECT_EQ(3, PanelWindowCount()) << "while the pointer rests on an OK button";
    ASSERT_TRUE(PointAtPanelButton(kCardOkSecond));
    Observe(3000);
    EXPECT_EQ(3, PanelWindowCount()) << "while the pointer rests on the other OK button";

    PointAway();
    Observe(1000);
    EXPECT_EQ(3, PanelWindowCount()) << "1 s after the pointer left";
    EXPECT_TRUE(NoPanel()) << "2 s after the pointer left";
}

// At 16 bits per pixel the card and the settings panel come and go without alpha ramps, and 200 open, switch
// and close cycles leave no window behind. Runs on a display of that depth (CTest gives it one).
TEST_F(DockTest, SixteenBitCardsHaveNoAlphaRamps)
{
    HDC screen = ::GetDC(nullptr);
    const int depth = ::GetDeviceCaps(screen, BITSPIXEL);
    ::ReleaseDC(nullptr, screen);
    ASSERT_EQ(16, depth) << "this case runs on a display of 16 bits per pixel (ZEP_WINE_SCREEN=1920x1080x16)";
    ASSERT_TRUE(Launch());
    ASSERT_TRUE(Reveal(kShownRight));
    PointAtButton(1003);
    ASSERT_TRUE(PanelAt(kCardRight, kLineRight));
    EXPECT_EQ(static_cast<DWORD>(LWA_COLORKEY), LayeredFlags(PanelCard())) << "card: colour key only, no alpha";
    PointAway();
    EXPECT_TRUE(NoPanel()) << "2 s after the pointer left";

    const int before = CountWindowsOf(L"Zephra3.exe");
    HoverCycles(200);
    EXPECT_TRUE(NoPanel()) << "after 200 cycles";
    EXPECT_EQ(before, CountWindowsOf(L"Zephra3.exe")) << "launcher windows after 200 cycles";

    ClickButton(kSettingsButton);
    ASSERT_TRUE(WaitUntil([] { return PanelCard() != nullptr; })) << "no settings panel";
    ASSERT_TRUE(DockIdle());
    EXPECT_EQ(static_cast<DWORD>(LWA_COLORKEY), LayeredFlags(PanelCard())) << "settings panel: colour key only";
    ASSERT_TRUE(ClickPanelButton(kSettingsClose));
    EXPECT_TRUE(NoPanel()) << "after the settings panel's close button";
}

// ---- the buttons' commands ----

class ToolCommands : public DockTest {
protected:
    // .mht files open with the demo tool, which records the help file it was given.
    void SetUp() override
    {
        DockTest::SetUp();
        const std::wstring command = L"\"" + BuildFolder() + L"bin\\zep_demo_tool.exe\" \"%1\"";
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueW(HKEY_CLASSES_ROOT, L".mht", nullptr, REG_SZ, L"ZepHelpProbe", 26));
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueW(HKEY_CLASSES_ROOT, L"ZepHelpProbe\\shell\\open\\command", nullptr,
                                                   REG_SZ, command.c_str(), static_cast<DWORD>((command.size() + 1) * 2)));
    }
    void TearDown() override
    {
        DockTest::TearDown();
        ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L"ZepHelpProbe");
        ::RegDeleteKeyValueW(HKEY_CLASSES_ROOT, L".mht", nullptr);
    }

    // Clicks a button and waits for the start of its tool, from its folder.
    void ExpectStart(int id, bool onPanel, const std::string& tool, int count)
    {
        SCOPED_TRACE("button " + std::to_string(id) + " starts " + tool);
        if (onPanel)  // the card's own buttons come with the wide card, a moment after the card itself
            ASSERT_TRUE(WaitUntil([&] { return ClickPanelButton(id); })) << "no such button on the card";
        else
            ClickButton(id);
        EXPECT_TRUE(WaitUntil([&] { return StartsOf(tool) >= count; }));
        EXPECT_EQ(count, StartsOf(tool));
        const std::vector<ToolStart> starts = ToolStarts();
        ASSERT_FALSE(starts.empty());
        EXPECT_EQ("C:\\Program Files\\Zephra\\Tools\\" + tool, starts.back().folder);
    }
};

// Tools start from their folders (twice for two clicks), the key-event buttons send their single events, the
// paired card's "OK" buttons start slots 9 and 8, 1010 does nothing, the settings panel opens centred with the
// bar's buttons disabled until its close button, F1 opens the help file and the hide button hides the bar.
TEST_F(ToolCommands, EveryKindOfButton)
{
    ::SetEnvironmentVariableW(L"ZEP_TOOL_START_LOG", kStartLog.c_str());
    StartLauncher();
    ::SetEnvironmentVariableW(L"ZEP_TOOL_START_LOG", nullptr);
    ASSERT_TRUE(LauncherReady());
    ASSERT_TRUE(Reveal(kShownRight));

    const std::tuple<int, const char*, int> starts[] = {{1000, "ZepBright", 1}, {1000, "ZepBright", 2}, {1001, "ZepSaver", 1},
                                                        {1002, "ZepAir", 1},    {1005, "ZepTouch", 1},  {1007, "ZepSnap", 1}};
    for (const auto& [id, tool, count] : starts) ExpectStart(id, false, tool, count);
    const std::pair<int, std::vector<std::string>> keyButtons[] = {
        {1003, {"scan=0x76 up=1"}}, {1004, {"scan=0x75 up=1"}}, {1006, {"scan=0x4 up=0"}}};
    for (const auto& [id, keys] : keyButtons) EXPECT_EQ(keys, KeysSentByClicking(id, keys.size())) << "key events of button " << id;
    EXPECT_TRUE(WindowAt(kBarTitle, kShownRight));

    PointAtButton(kCombinedButton);
    ASSERT_TRUE(PanelOpen()) << "no card for 1010";
    const size_t before = ToolStarts().size();
    ClickButton(kCombinedButton);
    Observe(1000);
    EXPECT_EQ(before, ToolStarts().size()) << "starts after clicking 1010";
    EXPECT_EQ(3, PanelWindowCount()) << "after clicking 1010";
    ExpectStart(kCardOkFirst, true, "ZepCast", 1);
    EXPECT_TRUE(NoPanel()) << "after its OK button";
    PointAtButton(kCombinedButton);
    ASSERT_TRUE(PanelOpen()) << "no card for 1010";
    ExpectStart(kCardOkSecond, true, "ZepShare", 1);

    ClickButton(kSettingsButton);
    ASSERT_TRUE(WaitUntil([] { return PanelCard() != nullptr; })) << "no settings panel";
    EXPECT_EQ((Box{750, 452, 420, 175}), PlaceOf(PanelCard())) << "settings panel place";
    ASSERT_TRUE(DockIdle());  // the buttons go off once the fade-in is over
    EXPECT_TRUE(ButtonsDisabled(true));
    SendToDock(WM_COMMAND, kSettingsButton, 0);
    EXPECT_EQ(2, PanelWindowCount()) << "after a second 1011";
    ASSERT_TRUE(ClickPanelButton(kSettingsClose));
    EXPECT_TRUE(NoPanel()) << "after the settings panel's close button";
    ASSERT_TRUE(DockIdle());
    EXPECT_TRUE(ButtonsDisabled(false));

    PressVirtualKey(VK_F1);
    EXPECT_TRUE(WaitUntil([] { return ReadFileBytes(kStartLog).find("Help.mht") != std::string::npos; }))
        << "F1 did not open the help file";
    ClickButton(kHideButton);
    EXPECT_TRUE(WindowAt(kBarTitle, kParkedRight));
}

}  // namespace
}  // namespace zep::e2e
