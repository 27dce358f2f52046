// The dock at the display scales: the prefix's DPI (HKCU\Control Panel\Desktop LogPixels, which each Wine
// process reads when it starts) is set before the launcher starts and put back afterwards, so the other
// scenarios keep their 96 DPI.

#include "E2e.h"

namespace zep::e2e {
namespace {

// LogPixels set for the cases' launchers; the value before (or its absence) comes back at the end.
class ScopedLogPixels {
public:
    explicit ScopedLogPixels(DWORD dpi)
    {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                          &m_key, nullptr);
        DWORD size = sizeof(m_previous);
        m_hadValue = ::RegQueryValueExW(m_key, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&m_previous),
                                        &size) == ERROR_SUCCESS;
        ::RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
    }
    ~ScopedLogPixels()
    {
        if (m_hadValue)
            ::RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&m_previous),
                             sizeof(m_previous));
        else
            ::RegDeleteValueW(m_key, L"LogPixels");
        ::RegCloseKey(m_key);
    }

private:
    HKEY m_key = nullptr;
    DWORD m_previous = 96;
    bool m_hadValue = false;
};

// This program reads the launcher's windows in physical pixels: as a DPI-unaware thread it would be told
// coordinates shrunk to 96 DPI.
class PhysicalPixels {
public:
    PhysicalPixels()
    {
        using SetContextFn = HANDLE(WINAPI*)(HANDLE);
        m_set = reinterpret_cast<SetContextFn>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
        if (m_set)
            m_previous = m_set(reinterpret_cast<HANDLE>(-3));  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE
    }
    ~PhysicalPixels()
    {
        if (m_set && m_previous)
            m_set(m_previous);
    }

private:
    HANDLE(WINAPI* m_set)(HANDLE) = nullptr;
    HANDLE m_previous = nullptr;
};

// Every tool on the right edge at 150 %.
const ButtonPlaces kAllToolsRight150 = {
    {1000, {80, 799, 72, 72}}, {1001, {80, 718, 72, 72}}, {1002, {80, 637, 72, 72}}, {1003, {80, 526, 72, 72}},
    {1004, {80, 445, 72, 72}}, {1005, {80, 364, 72, 72}}, {1006, {80, 193, 72, 72}}, {1007, {80, 112, 72, 72}},
    {1010, {80, 31, 72, 72}},  {1011, {123, 310, 41, 41}}, {1012, {68, 310, 41, 41}}};

struct ScaleCase {
    const char* name;
    DWORD dpi;
    Box bar[4], dock[4];      // parked, on the right, left, top and bottom edge
    std::string said[4];      // the chosen scale's debug string on each edge
    ButtonPlaces rightButtons;
    Box shownRight;
    Box cardRight;  // the card of slot 3 beside the shown bar
};
std::ostream& operator<<(std::ostream& out, const ScaleCase& row) { return out << row.name; }

class ScaledDock : public DockTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(ScaledDock, ParksOnEveryEdgeAndRevealsItsScaledButtons)
{
    const ScaleCase& c = GetParam();
    const ScopedLogPixels dpi(c.dpi);
    const PhysicalPixels physical;
    for (int edge = 0; edge < 4; ++edge) {
        SCOPED_TRACE(edge);
        Install(edge);
        ASSERT_TRUE(Launch());
        EXPECT_TRUE(WindowAt(kBarTitle, c.bar[edge]));
        EXPECT_TRUE(WindowAt(kDockTitle, c.dock[edge]));
        EXPECT_TRUE(DebugString(c.said[edge]));
        if (edge == 0) {
            EXPECT_TRUE(ButtonsAt(c.rightButtons));
            EXPECT_TRUE(Reveal(c.shownRight));
            PointAtButton(1003);
            EXPECT_TRUE(WaitUntil([&] { return PanelCard() && PlaceOf(PanelCard()) == c.cardRight; }))
                << "card at " << (PanelCard() ? PlaceOf(PanelCard()) : Box{}) << ", want " << c.cardRight;
            PointAway();
        }
        // A launcher closed before it found its assistant cannot close the assistant, and the next launcher
        // would take an assistant still on its way out for its own.
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
        ScaleCase{"dpi120",
                  120,
                  {{1920, -110, 166, 1300}, {-166, -110, 166, 1300}, {310, -166, 1300, 166}, {310, 1080, 1300, 166}},
                  {{1920, 159, 166, 750}, {-166, 159, 166, 750}, {579, -166, 750, 166}, {579, 1080, 750, 166}},
                  {"Zephra scale 125% fits the screen", "Zephra scale 125% fits the screen",
                   "Zephra scale 125% fits the screen", "Zephra scale 125% fits the screen"},
                  {{1000, {66, 666, 60, 60}}, {1001, {66, 599, 60, 60}}, {1002, {66, 531, 60, 60}},
                   {1003, {66, 439, 60, 60}}, {1004, {66, 371, 60, 60}}, {1005, {66, 304, 60, 60}},
                   {1006, {66, 161, 60, 60}}, {1007, {66, 94, 60, 60}}, {1010, {66, 26, 60, 60}},
                   {1011, {103, 259, 34, 34}}, {1012, {56, 259, 34, 34}}},
                  {1767, -110, 166, 1300},
                  {1439, 325, 281, 430}},
        ScaleCase{"dpi144",
                  144,
                  {{1920, -240, 200, 1560}, {-200, -240, 200, 1560}, {180, -200, 1560, 200}, {180, 1080, 1560, 200}},
                  {{1920, 83, 200, 900}, {-200, 83, 200, 900}, {503, -200, 900, 200}, {503, 1080, 900, 200}},
                  {"Zephra scale 150% fits the screen", "Zephra scale 150% fits the screen",
                   "Zephra scale 150% fits the screen", "Zephra scale 150% fits the screen"},
                  kAllToolsRight150,
                  {1737, -240, 200, 1560},
                  {1343, 282, 338, 516}},
        ScaleCase{"dpi192",
                  192,
                  {{1920, -370, 233, 1820}, {-233, -370, 233, 1820}, {-80, -266, 2080, 266}, {-80, 1080, 2080, 266}},
                  {{1920, 6, 233, 1050}, {-233, 6, 233, 1050}, {350, -266, 1200, 266}, {350, 1080, 1200, 266}},
                  {"Zephra scale 175% fits the screen (200% needs 1200 of the 1080 pixels along the right edge)",
                   "Zephra scale 175% fits the screen (200% needs 1200 of the 1080 pixels along the left edge)",
                   "Zephra scale 200% fits the screen", "Zephra scale 200% fits the screen"},
                  {{1000, {93, 933, 84, 84}}, {1001, {93, 839, 84, 84}}, {1002, {93, 744, 84, 84}},
                   {1003, {93, 615, 84, 84}}, {1004, {93, 520, 84, 84}}, {1005, {93, 426, 84, 84}},
                   {1006, {93, 226, 84, 84}}, {1007, {93, 132, 84, 84}}, {1010, {93, 37, 84, 84}},
                   {1011, {144, 363, 47, 47}}, {1012, {79, 363, 47, 47}}},
                  {1706, -370, 233, 1820},
                  {1246, 239, 394, 602}}),
    RowName());

// A scale change builds the bar again where it is: a shown bar stays shown at its place with its buttons, a
// hidden one stays parked out of sight.
class ScaleChange : public DockTest {};

TEST_F(ScaleChange, RebuildKeepsTheBarShownOrHidden)
{
    const ScopedLogPixels dpi(144);
    const PhysicalPixels physical;
    ASSERT_TRUE(Launch());
    ASSERT_TRUE(Reveal({1737, -240, 200, 1560}));
    SendToDock(WM_DPICHANGED, MAKEWPARAM(144, 144), 0);
    EXPECT_TRUE(WindowAt(kBarTitle, {1737, -240, 200, 1560}));
    EXPECT_TRUE(WindowAt(kDockTitle, {1737, 83, 200, 900}));
    EXPECT_TRUE(PairVisible(true));
    EXPECT_TRUE(ButtonsAt(kAllToolsRight150));

    PressDockKey();
    ASSERT_TRUE(WindowAt(kBarTitle, {1920, -240, 200, 1560}));
    ASSERT_TRUE(DockIdle());
    SendToDock(WM_DPICHANGED, MAKEWPARAM(144, 144), 0);
    EXPECT_TRUE(WindowAt(kBarTitle, {1920, -240, 200, 1560}));
    EXPECT_TRUE(PairVisible(false));
    EXPECT_TRUE(ButtonsAt(kAllToolsRight150));
}

// 150 % on a 1366 x 768 notebook screen: along the right edge the dock dialog is drawn at 125 % (750 of 768
// pixels), and every button of the revealed bar lies on the screen, named for a screen reader.
class NotebookScale : public DockTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NotebookScale, TakesTheLargestScaleThatFitsAndKeepsEveryButtonOnScreen)
{
    const ScopedLogPixels dpi(144);
    const PhysicalPixels physical;
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(DebugString("Zephra scale 125% fits the screen (150% needs 900 of the 768 pixels along the right edge)"));
    ASSERT_TRUE(Reveal({1213, -266, 166, 1300}));
    const std::map<int, std::wstring> names = {
        {1000, L"ZepBright"}, {1001, L"ZepSaver"}, {1002, L"ZepAir"},  {1003, L"ZepMix"},
        {1004, L"ZepCam"},    {1005, L"ZepTouch"}, {1006, L"ZepGlow"}, {1007, L"ZepSnap"},
        {1010, L"ZepCast and ZepShare"}, {1011, L"Dock settings"}, {1012, L"Hide the dock"}};
    int visible = 0;
    for (int id = kFirstButton; id <= kLastButton; ++id) {
        if (!ButtonVisible(id))
            continue;
        ++visible;
        const HWND button = ::GetDlgItem(Dock(), id);
        const Box place = PlaceOf(button);
        EXPECT_TRUE(place.x >= 0 && place.y >= 0 && place.x + place.w <= 1366 && place.y + place.h <= 768)
            << id << " at " << place;
        EXPECT_TRUE(names.count(id) && TextOf(button) == names.at(id)) << id << " named " << TextOf(button);
    }
    EXPECT_EQ(11, visible);
}

INSTANTIATE_TEST_SUITE_P(Notebook, NotebookScale, ::testing::Values("1366x768"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

}  // namespace
}  // namespace zep::e2e
