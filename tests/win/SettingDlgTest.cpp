// The settings panel: where it opens, what its buttons tell the dock, and its colour key after a setting
// change.
#include <windows.h>

#include <gtest/gtest.h>

#include "MessageSink.h"
#include "SkinWindowProbe.h"
#include "launcher/settings/SettingDlg.h"

namespace {

TEST(SettingDlgTest, ButtonsTellTheDockAndTheKeyColourSurvivesASettingChange)
{
    MessageSink dock(L"ZepDockProbe", L"");
    zep::CSettingDlg panel;
    ASSERT_TRUE(panel.Open(dock, POINT{750, 452}, nullptr));
    RECT place = probe::WindowRect(panel);
    EXPECT_EQ(750, place.left);
    EXPECT_EQ(452, place.top);
    EXPECT_EQ(420, place.right - place.left);
    EXPECT_FALSE(panel.Background()->DragEnabled());
    BYTE faded = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(panel, nullptr, &faded, nullptr));
    EXPECT_EQ(252, faded);  // faded in, and left there

    // 2001-2004 pick bottom, top, left, right at once; 2005 asks to be closed once the click is over.
    for (int id = 2001; id <= 2005; ++id)
        ::SendMessageW(::GetDlgItem(panel, id), BM_CLICK, 0, 0);
    ASSERT_EQ(4u, dock.messages.size());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(static_cast<UINT>(WM_DIRECTION_CHANGE), dock.messages[i].message);
        EXPECT_EQ(3 - i, dock.messages[i].lParam);
    }
    probe::PumpRaw();
    ASSERT_EQ(5u, dock.messages.size());
    EXPECT_EQ(static_cast<UINT>(WM_SETTING_CLOSE), dock.messages[4].message);

    // A setting change leaves the colour key alone.
    panel.SetLayerAlpha(120);
    ::SendMessageW(panel, WM_SETTINGCHANGE, 0, 0);
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(panel, nullptr, nullptr, &flags));
    EXPECT_EQ(static_cast<DWORD>(LWA_COLORKEY), flags);

    // Re-centred on another screen: the panel goes with its background window.
    panel.MoveTo(POINT{100, 40});
    place = probe::WindowRect(panel);
    EXPECT_EQ(100, place.left);
    EXPECT_EQ(40, place.top);
    const HWND window = panel;
    const HWND background = *panel.Background();
    panel.Close();
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_FALSE(::IsWindow(background));
}

}  // namespace
