// The dock at the display scales: the prefix's DPI (HKCU\Control Panel\Desktop LogPixels, which each Wine
// process reads when it starts) is set before the launcher starts and put back afterwards, so the other
// scenarios keep their 96 DPI.

#include "E2e.h"

#include <regex>

namespace zep::e2e {
namespace {

// LogPixels for the case's launchers, 96 again at the end. Meanwhile this program reads windows in physical
// pixels: as a DPI-unaware thread it would get them shrunk to 96 DPI.
class ScopedDpi {
public:
    explicit ScopedDpi(DWORD dpi) { SetLogPixels(dpi); if (m_set) m_context = m_set(reinterpret_cast<HANDLE>(-3)); }
    ~ScopedDpi() { SetLogPixels(96); if (m_set && m_context) m_set(m_context); }

private:
    static void SetLogPixels(DWORD dpi)
    {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof(dpi));
    }
    using SetContextFn = HANDLE(WINAPI*)(HANDLE);  // SetThreadDpiAwarenessContext, Windows 10 1607 and Wine
    const SetContextFn m_set = reinterpret_cast<SetContextFn>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    HANDLE m_context = nullptr;
};

struct ScaleCase {
    const char* name;
    DWORD dpi;
    Box bar[4], dock[4];       // parked on the right, left, top and bottom edge
    const char* said[2];       // the chosen scale's debug string on the right and on the top edge
    Box shownRight, cardRight;  // the revealed bar, and the card of slot 3 beside it
};
std::ostream& operator<<(std::ostream& out, const ScaleCase& row) { return out << row.name; }

class ScaledDock : public DockTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(ScaledDock, ParksOnEveryEdgeAndOpensItsCard)
{
    const ScaleCase& c = GetParam();
    const ScopedDpi dpi(c.dpi);
    for (int edge = 0; edge < 4; ++edge) {
        SCOPED_TRACE(edge);
        Install(edge);
        ASSERT_TRUE(Launch());
        EXPECT_TRUE(WindowAt(kBarTitle, c.bar[edge]));
        EXPECT_TRUE(WindowAt(kDockTitle, c.dock[edge]));
        EXPECT_TRUE(DebugString(std::regex_replace(c.said[edge / 2], std::regex("EDGE"), edge == 1 ? "left" : "right")));
        if (edge == 0) {
            EXPECT_TRUE(Reveal(c.shownRight));
            PointAtButton(1003);
            EXPECT_TRUE(WaitUntil([&] { return PanelCard() && PlaceOf(PanelCard()) == c.cardRight; }))
                << (PanelCard() ? PlaceOf(PanelCard()) : Box{}) << ", want " << c.cardRight;
        }
        // A launcher closed before it found its assistant leaves it running, and the next launcher would
        // take an assistant on its way out for its own.
        EXPECT_TRUE(DebugString("m_hZepAstWnd64 WM_INSTALLSHELLHOOK64"));
        ASSERT_TRUE(CloseLauncher());
        ASSERT_TRUE(NoProcessNamed(ZEP_ASSISTANT64_EXE));
    }
}

// On the 1920 x 1080 display the dock dialog (750, 900, 1200 pixels long) fits across at every scale; along
// the right and left edges 200 % does not, and 175 % (1050) is taken.
INSTANTIATE_TEST_SUITE_P(
    Scales, ScaledDock,
    ::testing::Values(
        ScaleCase{"dpi120", 120,
                  {{1920, -110, 166, 1300}, {-166, -110, 166, 1300}, {310, -166, 1300, 166}, {310, 1080, 1300, 166}},
                  {{1920, 159, 166, 750}, {-166, 159, 166, 750}, {579, -166, 750, 166}, {579, 1080, 750, 166}},
                  {"Zephra scale 125% fits the screen", "Zephra scale 125% fits the screen"},
                  {1767, -110, 166, 1300}, {1439, 325, 281, 430}},
        ScaleCase{"dpi144", 144,
                  {{1920, -240, 200, 1560}, {-200, -240, 200, 1560}, {180, -200, 1560, 200}, {180, 1080, 1560, 200}},
                  {{1920, 83, 200, 900}, {-200, 83, 200, 900}, {503, -200, 900, 200}, {503, 1080, 900, 200}},
                  {"Zephra scale 150% fits the screen", "Zephra scale 150% fits the screen"},
                  {1737, -240, 200, 1560}, {1343, 282, 338, 516}},
        ScaleCase{"dpi192", 192,
                  {{1920, -370, 233, 1820}, {-233, -370, 233, 1820}, {-80, -266, 2080, 266}, {-80, 1080, 2080, 266}},
                  {{1920, 6, 233, 1050}, {-233, 6, 233, 1050}, {350, -266, 1200, 266}, {350, 1080, 1200, 266}},
                  {"Zephra scale 175% fits the screen (200% needs 1200 of the 1080 pixels along the EDGE edge)",
                   "Zephra scale 200% fits the screen"},
                  {1706, -370, 233, 1820}, {1246, 239, 394, 602}}),
    RowName());

// Every tool on the right edge at 150 %.
const ButtonPlaces kAllToolsRight150 = {
    {1000, {80, 799, 72, 72}}, {1001, {80, 718, 72, 72}}, {1002, {80, 637, 72, 72}}, {1003, {80, 526, 72, 72}},
    {1004, {80, 445, 72, 72}}, {1005, {80, 364, 72, 72}}, {1006, {80, 193, 72, 72}}, {1007, {80, 112, 72, 72}},
    {1010, {80, 31, 72, 72}},  {1011, {123, 310, 41, 41}}, {1012, {68, 310, 41, 41}}};

// A scale change builds the bar again where it is: shown at its place with its buttons, or parked out of sight.
TEST_F(DockTest, ScaleChangeKeepsTheBarShownOrHidden)
{
    const ScopedDpi dpi(144);
    ASSERT_TRUE(Launch());
    for (const Box bar : {Box{1737, -240, 200, 1560}, Box{1920, -240, 200, 1560}}) {
        const bool shown = bar.x == 1737;
        PressDockKey();
        ASSERT_TRUE(WindowAt(kBarTitle, bar));
        ASSERT_TRUE(DockIdle());
        SendToDock(WM_DPICHANGED, MAKEWPARAM(144, 144), 0);
        EXPECT_TRUE(WindowAt(kBarTitle, bar));
        EXPECT_TRUE(WindowAt(kDockTitle, {bar.x, 83, 200, 900}));
        EXPECT_TRUE(PairVisible(shown));
        EXPECT_TRUE(ButtonsAt(kAllToolsRight150));
    }
}

// 150 % on a 1366 x 768 notebook screen: along the right edge the dock dialog is drawn at 125 % (750 of 768
// pixels), and every button of the revealed bar lies on the screen, named for a screen reader.
class NotebookScale : public DockTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NotebookScale, TakesTheLargestScaleThatFitsAndKeepsEveryButtonOnScreen)
{
    const ScopedDpi dpi(144);
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(DebugString("Zephra scale 125% fits the screen (150% needs 900 of the 768 pixels along the right edge)"));
    ASSERT_TRUE(Reveal({1213, -266, 166, 1300}));
    const std::map<int, std::wstring> names = {
        {1000, L"ZepBright"}, {1001, L"ZepSaver"}, {1002, L"ZepAir"},  {1003, L"ZepMix"},  {1004, L"ZepCam"},
        {1005, L"ZepTouch"},  {1006, L"ZepGlow"},  {1007, L"ZepSnap"}, {1010, L"ZepCast and ZepShare"},
        {1011, L"Dock settings"}, {1012, L"Hide the dock"}};
    for (const auto& [id, name] : names) {
        const HWND button = ::GetDlgItem(Dock(), id);
        const Box place = PlaceOf(button);
        EXPECT_TRUE(ButtonVisible(id) && place.x >= 0 && place.y >= 0 && place.x + place.w <= 1366 &&
                    place.y + place.h <= 768) << id << " at " << place;
        EXPECT_EQ(name, TextOf(button));
    }
}

INSTANTIATE_TEST_SUITE_P(Notebook, NotebookScale, ::testing::Values("1366x768"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

}  // namespace
}  // namespace zep::e2e
