// The dock layout on real windows under Wine: tool detection from the registry, button places on a
// dock-like window pair, and rebuilding the bar after a registry change.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "launcher/config/LaunchConfig.h"
#include "launcher/dock/DockButtons.h"
#include "launcher/dock/DockLayout.h"
#include "launcher/dock/ScreenPlacement.h"
#include "launcher/dock/ToolGroups.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/ImageButton.h"
#include "launcher/skin/LayeredSurface.h"
#include "launcher/skin/PngDialog.h"

namespace zep {
namespace {

const wchar_t kMachineKey[] = L"Software\\Zephra";
const wchar_t kUserKey[] = L"SOFTWARE\\Zephra";
const wchar_t kAlternativeName[] = L"ZepLayoutAlt";

std::wstring SlotValueName(int slot) { return L"ZepLayoutTool" + std::to_wstring(slot); }

// How a slot's install path is given in the machine registry.
enum class PathKind {
    NoValue,
    Existing,           // an existing folder
    Missing,            // a folder that does not exist
    Empty,              // an empty string
    TrailingBackslash,  // an existing folder followed by a backslash
    Wildcard,           // a pattern that matches an existing folder
};

// Temporary tool folders, registry values of the test's own names and the user's "Direction", all given
// back at the end.
class ToolMachine {
public:
    ToolMachine()
    {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"ZepLayout" + std::to_wstring(::GetCurrentProcessId());
        ::CreateDirectoryW(m_folder.c_str(), nullptr);
        for (int slot = 0; slot <= kPresenceSlots; ++slot)
            ::CreateDirectoryW(Folder(slot).c_str(), nullptr);

        HKEY key;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, kUserKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
            DWORD bytes = sizeof(m_savedDirection);
            m_hadDirection = ::RegQueryValueExW(key, L"Direction", nullptr, &m_savedType,
                                                reinterpret_cast<BYTE*>(&m_savedDirection), &bytes) == ERROR_SUCCESS;
            ::RegCloseKey(key);
        }
    }
    ~ToolMachine()
    {
        HKEY key;
        if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kMachineKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            for (int slot = 0; slot < kPresenceSlots; ++slot)
                ::RegDeleteValueW(key, SlotValueName(slot).c_str());
            ::RegDeleteValueW(key, kAlternativeName);
            ::RegCloseKey(key);
        }
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, kUserKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            if (m_hadDirection)
                ::RegSetValueExW(key, L"Direction", 0, m_savedType, reinterpret_cast<const BYTE*>(&m_savedDirection),
                                 sizeof(m_savedDirection));
            else
                ::RegDeleteValueW(key, L"Direction");
            ::RegCloseKey(key);
        }
        for (int slot = 0; slot <= kPresenceSlots; ++slot)
            ::RemoveDirectoryW(Folder(slot).c_str());
        ::RemoveDirectoryW(m_folder.c_str());
        wchar_t ini[MAX_PATH];
        if (GetInstallFilePath(L"LaunchInfo.ini", ini))
            ::DeleteFileW(ini);
    }
    ToolMachine(const ToolMachine&) = delete;
    ToolMachine& operator=(const ToolMachine&) = delete;

    // Slot 10 stands for the alternative tool of slot 6.
    std::wstring Folder(int slot) const { return m_folder + L"\\Tool" + std::to_wstring(slot); }

    void SetInstallPath(int slot, PathKind kind) const
    {
        const std::wstring name = slot == kPresenceSlots ? kAlternativeName : SlotValueName(slot);
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kMachineKey, 0, nullptr, 0, KEY_SET_VALUE,
                                                   nullptr, &key, nullptr));
        std::wstring path;
        switch (kind) {
        case PathKind::NoValue:
            ::RegDeleteValueW(key, name.c_str());
            ::RegCloseKey(key);
            return;
        case PathKind::Existing: path = Folder(slot); break;
        case PathKind::Missing: path = Folder(slot) + L"Gone"; break;
        case PathKind::Empty: break;
        case PathKind::TrailingBackslash: path = Folder(slot) + L"\\"; break;
        case PathKind::Wildcard: path = Folder(slot).substr(0, Folder(slot).size() - 1) + L"?*"; break;
        }
        const DWORD bytes = static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t));
        EXPECT_EQ(ERROR_SUCCESS,
                  ::RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()), bytes));
        ::RegCloseKey(key);
    }

    void SetDirection(DWORD edge) const
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, kUserKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                                   &key, nullptr));
        EXPECT_EQ(ERROR_SUCCESS,
                  ::RegSetValueExW(key, L"Direction", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&edge), 4));
        ::RegCloseKey(key);
    }

private:
    std::wstring m_folder;
    bool m_hadDirection = false;
    DWORD m_savedType = REG_DWORD;
    DWORD m_savedDirection = 0;
};

// Background-window places with every (layout, key) apart, inside the dock dialog's stretch.
CoordinatePair TablePoint(int edge, int layoutIndex, int key)
{
    const int across = 10 + 10 * layoutIndex + edge;
    const int along = 230 + 60 * key + 2 * layoutIndex;
    return edge < 2 ? CoordinatePair{across, along} : CoordinatePair{along, across};
}

// A configuration whose section names are the test's registry value names, with the table above, read
// from a LaunchInfo.ini written into the install folder (the tool machine removes it again).
std::unique_ptr<CLaunchConfig> MakeConfig()
{
    wchar_t path[MAX_PATH];
    EXPECT_TRUE(GetInstallFilePath(L"LaunchInfo.ini", path));
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L'\\'));
    ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    std::ofstream ini(path, std::ios::binary | std::ios::trunc);
    ini << "[AppName]\r\n";
    for (int slot = 0; slot < kToolSlots; ++slot)
        ini << slot << "=ZepLayoutTool" << slot << "\r\n";
    ini << "6.1=ZepLayoutAlt\r\n";
    const char edges[] = "RLTB";
    for (int e = 0; e < 4; ++e) {
        for (int l = 0; l < 3; ++l) {
            ini << "[Main_Ctrl_Pos_" << edges[e] << l + 1 << "]\r\n";
            for (int k = 0; k < 9; ++k)
                ini << k << "=" << TablePoint(e, l, k).x << "," << TablePoint(e, l, k).y << "\r\n";
        }
    }
    ini.close();
    auto config = std::make_unique<CLaunchConfig>();
    config->ReadLaunchInfo();
    return config;
}

// A background window that notes every composition it hands to the system.
class RecordingBackground : public CPngDialog {
public:
    struct Composition {
        BYTE alpha;
        bool backgroundVisible;
        bool companionVisible;
    };
    std::vector<Composition> m_compositions;

protected:
    void OnComposed(const LayeredSurface& surface, BYTE alpha) override
    {
        m_compositions.push_back({alpha, ::IsWindowVisible(m_hWnd) != FALSE,
                                  Companion() != nullptr && ::IsWindowVisible(Companion()) != FALSE});
        CPngDialog::OnComposed(surface, alpha);
    }
};

// A dock-like pair: a control dialog from template 103 over its background window from template 102,
// with the foreground offsets of `edge`, its 13 image buttons created hidden, and its layout.
class DockPair {
public:
    DockPair() : m_dialog(MakeBackground()), m_layout(m_dialog, m_buttons, m_screen) {}

    bool Create(DockEdge edge)
    {
        static const UINT sets[4][4] = {{145, 146, 147, 148}, {162, 163, 164, 165}, {179, 180, 181, 182},
                                        {196, 197, 198, 199}};
        CPngDialog& background = *m_dialog.Background();
        background.LoadEdgeImageSets(sets[0], sets[1], sets[2], sets[3]);
        m_layout.SetForegroundOffsets(edge);
        if (!background.Create(102, nullptr))
            return false;
        background.UpdateEdgeBackground(edge, 0, 0, 0, 255);
        ::SetWindowPos(background, nullptr, 50, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (!m_dialog.Create(103, background))
            return false;
        m_buttons.Create(m_dialog);
        return true;
    }

    CCtrlDialog& Dialog() { return m_dialog; }
    CDockLayout& Layout() { return m_layout; }
    RecordingBackground& Recorder() { return *m_background; }
    HWND Background() const { return m_dialog.Background()->GetSafeHwnd(); }
    HWND Button(int id) const { return m_buttons.Get(*ToDockButton(id))->GetSafeHwnd(); }

private:
    std::unique_ptr<CPngDialog> MakeBackground()
    {
        auto background = std::make_unique<RecordingBackground>();
        m_background = background.get();
        return background;
    }

    RecordingBackground* m_background = nullptr;  // owned by m_dialog
    CCtrlDialog m_dialog;                         // destroyed after the buttons
    CDockButtons m_buttons;
    CScreenPlacement m_screen;  // never read: 96 DPI, every piece at 100 %
    CDockLayout m_layout;
};

RECT ScreenRect(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

RECT RectInParent(HWND window)
{
    RECT rect = ScreenRect(window);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectRect(const RECT& expected, const RECT& actual, const char* what)
{
    EXPECT_EQ(expected.left, actual.left) << what;
    EXPECT_EQ(expected.top, actual.top) << what;
    EXPECT_EQ(expected.right, actual.right) << what;
    EXPECT_EQ(expected.bottom, actual.bottom) << what;
}

// The button is shown at key `key` of layout `layout`, converted to the dock dialog's pixels.
void ExpectPlaced(const DockPair& pair, int id, DockEdge edge, int layout, int key)
{
    SCOPED_TRACE("button " + std::to_string(id));
    const CoordinatePair table = TablePoint(EdgeIndex(edge), layout - 1, key);
    const int x = IsVertical(edge) ? table.x : table.x - 215;
    const int y = IsVertical(edge) ? table.y - 215 : table.y;
    const int side = id >= 1011 ? 27 : 48;
    ExpectRect(RECT{x, y, x + side, y + side}, RectInParent(pair.Button(id)), "place");
    EXPECT_TRUE(::IsWindowVisible(pair.Button(id)));
}

void ExpectHidden(const DockPair& pair, int id)
{
    EXPECT_FALSE(::IsWindowVisible(pair.Button(id))) << "button " << id;
}

// ---- DetectTools from the registry

struct DetectCase {
    const char* name;
    PathKind slots[10];
    PathKind alternative;
    DWORD direction;
    int installed[11];
    int counts[3];
};

using P = PathKind;
const DetectCase kDetectCases[] = {
    {"WorkedExample",
     {P::Existing, P::NoValue, P::Existing, P::Existing, P::Existing, P::Existing, P::NoValue, P::NoValue, P::Existing,
      P::NoValue},
     P::NoValue, 0, {1, 0, 1, 1, 1, 1, 0, 0, 1, 0, 0}, {2, 3, 1}},
    {"KindsOfPath",
     {P::Empty, P::TrailingBackslash, P::Missing, P::Existing, P::Wildcard, P::NoValue, P::Missing, P::Existing,
      P::Existing, P::Wildcard},
     P::Missing, 2, {0, 0, 0, 1, 1, 0, 0, 1, 1, 1, 1}, {0, 2, 2}},
    {"AlternativeToolStandsForSlotSix",
     {P::NoValue, P::NoValue, P::NoValue, P::NoValue, P::NoValue, P::NoValue, P::NoValue, P::NoValue, P::NoValue,
      P::Existing},
     P::Existing, 3, {0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0}, {0, 0, 2}},
    {"NothingInstalled",
     {P::NoValue, P::NoValue, P::NoValue, P::NoValue, P::NoValue, P::NoValue, P::NoValue, P::NoValue, P::NoValue,
      P::NoValue},
     P::NoValue, 1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0}},
};

void PrintTo(const DetectCase& c, std::ostream* os) { *os << c.name; }

class DetectToolsTest : public ::testing::TestWithParam<DetectCase> {};

TEST_P(DetectToolsTest, ReadsRegistryAndHandsCountsToTheBackground)
{
    const DetectCase& c = GetParam();
    ToolMachine machine;
    auto config = MakeConfig();
    DockPair pair;
    // Every tool present at an earlier detection: no flag of it may stay.
    for (int slot = 0; slot <= kPresenceSlots; ++slot)
        machine.SetInstallPath(slot, PathKind::Existing);
    machine.SetDirection(1);
    pair.Layout().DetectTools(*config);

    for (int slot = 0; slot < kPresenceSlots; ++slot)
        machine.SetInstallPath(slot, c.slots[slot]);
    machine.SetInstallPath(kPresenceSlots, c.alternative);
    machine.SetDirection(c.direction);
    pair.Layout().DetectTools(*config);
    const DockEdge edge = StoredDockEdge(static_cast<long>(c.direction));
    pair.Layout().SetBackgroundLayout(edge);

    for (int i = 0; i < kPresenceFlags; ++i)
        EXPECT_EQ(c.installed[i], pair.Layout().Installed()[i]) << "index " << i;
    const CPngDialog& background = *pair.Dialog().Background();
    for (int g = 0; g < kSlotGroups; ++g) {
        EXPECT_EQ(c.counts[g], pair.Layout().GroupCounts()[g]) << "group " << g;
        EXPECT_EQ(c.counts[g], background.LayoutCounts()[static_cast<size_t>(g)]) << "group " << g;
    }
    EXPECT_EQ(static_cast<int>(c.direction), EdgeIndex(config->StoredEdge()));
    EXPECT_EQ(static_cast<int>(c.direction), EdgeIndex(background.LayoutEdge()));
}

INSTANTIATE_TEST_SUITE_P(Cases, DetectToolsTest, ::testing::ValuesIn(kDetectCases),
                         [](const ::testing::TestParamInfo<DetectCase>& info) { return info.param.name; });

// ---- LayoutButtons on real windows

struct Expect {
    int layout;  // 0: hidden
    int key;
};

struct PlaceCase {
    const char* name;
    DockEdge edge;
    bool slots[10];
    bool alternative;
    Expect buttons[13];
};

constexpr Expect H{0, 0};
const PlaceCase kPlaceCases[] = {
    {"RightWorkedExample", DockEdge::Right, {1, 0, 1, 1, 1, 1, 0, 0, 1, 0}, false,
     {{2, 0}, H, {2, 1}, {3, 3}, {3, 4}, {3, 5}, H, H, {1, 6}, H, H, {1, 7}, {1, 8}}},
    {"TopEdge", DockEdge::Top, {0, 1, 0, 0, 0, 1, 1, 0, 0, 1}, false,
     {H, {1, 0}, H, H, H, {1, 3}, {2, 6}, H, H, {2, 7}, H, {1, 7}, {1, 8}}},
    {"LeftEdgeSlotsEightAndNineTogether", DockEdge::Left, {1, 1, 1, 0, 0, 0, 0, 1, 1, 1}, true,
     {{3, 0}, {3, 1}, {3, 2}, H, H, H, {3, 6}, {3, 7}, H, H, {3, 8}, {1, 7}, {1, 8}}},
    {"BottomEdgeNothingInstalled", DockEdge::Bottom, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, false,
     {H, H, H, H, H, H, H, H, H, H, H, {1, 7}, {1, 8}}},
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class LayoutButtonsTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(LayoutButtonsTest, PlacesPresentButtonsAndHidesTheRest)
{
    const PlaceCase& c = GetParam();
    ToolMachine machine;
    for (int slot = 0; slot < kPresenceSlots; ++slot)
        machine.SetInstallPath(slot, c.slots[slot] ? PathKind::Existing : PathKind::NoValue);
    machine.SetInstallPath(kPresenceSlots, c.alternative ? PathKind::Existing : PathKind::NoValue);
    DockPair pair;
    ASSERT_TRUE(pair.Create(c.edge));
    ASSERT_TRUE(::IsWindowVisible(pair.Dialog()));
    auto config = MakeConfig();
    pair.Layout().DetectTools(*config);

    pair.Layout().LayoutButtons(c.edge, *config);

    for (int n = 0; n < kDockButtons; ++n) {
        if (c.buttons[n].layout == 0)
            ExpectHidden(pair, 1000 + n);
        else
            ExpectPlaced(pair, 1000 + n, c.edge, c.buttons[n].layout, c.buttons[n].key);
    }
    // Each placed button went to the top of its siblings, the hide button last.
    EXPECT_EQ(pair.Button(1012), ::GetWindow(pair.Dialog(), GW_CHILD));
    EXPECT_EQ(pair.Button(1011), ::GetWindow(pair.Button(1012), GW_HWNDNEXT));
}

INSTANTIATE_TEST_SUITE_P(Cases, LayoutButtonsTest, ::testing::ValuesIn(kPlaceCases),
                         [](const ::testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });

// ---- RebuildBar

TEST(RebuildBarTest, RemovedToolIsHiddenAndItsGroupTakesTheSmallerLayout)
{
    ToolMachine machine;
    for (int slot : {0, 2, 3, 4, 5, 8})
        machine.SetInstallPath(slot, PathKind::Existing);
    machine.SetDirection(0);
    DockPair pair;
    ASSERT_TRUE(pair.Create(DockEdge::Right));
    auto config = MakeConfig();
    CDockLayout& layout = pair.Layout();
    layout.DetectTools(*config);
    layout.LayoutButtons(DockEdge::Right, *config);
    ExpectPlaced(pair, 1000, DockEdge::Right, 2, 0);
    ExpectPlaced(pair, 1002, DockEdge::Right, 2, 1);
    const RECT barBefore = ScreenRect(pair.Background());
    pair.Recorder().m_compositions.clear();

    machine.SetInstallPath(0, PathKind::NoValue);
    machine.SetInstallPath(9, PathKind::Existing);
    machine.SetDirection(2);  // another program's "Direction" is not taken over half-way
    layout.RebuildBar(DockEdge::Right, *config);

    ExpectHidden(pair, 1000);
    ExpectPlaced(pair, 1002, DockEdge::Right, 1, 0);
    ExpectPlaced(pair, 1003, DockEdge::Right, 3, 3);
    ExpectPlaced(pair, 1010, DockEdge::Right, 1, 6);  // slot 9 joined slot 8: the combined button takes their place
    ExpectHidden(pair, 1008);
    ExpectHidden(pair, 1009);
    ExpectPlaced(pair, 1011, DockEdge::Right, 1, 7);
    const CPngDialog& background = *pair.Dialog().Background();
    EXPECT_EQ(DockEdge::Right, background.LayoutEdge());
    EXPECT_EQ(1, background.LayoutCounts()[0]);
    EXPECT_EQ(3, background.LayoutCounts()[1]);
    EXPECT_EQ(1, background.LayoutCounts()[2]);
    // The skin was composed once, opaque, while both windows were hidden; both are shown again.
    ASSERT_EQ(1u, pair.Recorder().m_compositions.size());
    EXPECT_EQ(255, pair.Recorder().m_compositions[0].alpha);
    EXPECT_FALSE(pair.Recorder().m_compositions[0].backgroundVisible);
    EXPECT_FALSE(pair.Recorder().m_compositions[0].companionVisible);
    EXPECT_TRUE(::IsWindowVisible(pair.Background()));
    EXPECT_TRUE(::IsWindowVisible(pair.Dialog()));
    ExpectRect(barBefore, ScreenRect(pair.Background()), "bar stays where it is");
}

}  // namespace
}  // namespace zep
