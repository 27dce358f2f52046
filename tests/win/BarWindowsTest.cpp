// The bar's windows as the bar driver runs them, on a real window pair: the blocking slide takes the bar
// to its end and the bar state with it, touching no visibility.
#include <windows.h>

#include <gtest/gtest.h>

#include "SkinWindowProbe.h"
#include "launcher/dock/BarDriver.h"
#include "launcher/config/LaunchConfig.h"
#include "launcher/dock/DockButtons.h"
#include "launcher/dock/DockLayout.h"
#include "launcher/dock/ScreenPlacement.h"
#include "launcher/dock/Win32BarWindows.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/DescriptionPanel.h"

namespace {

TEST(BarWindowsTest, BlockingSlideRunsToTheEnd)
{
    zep::CCtrlDialog pair;
    probe::LoadAllBackgrounds(*pair.Background());
    ASSERT_TRUE(pair.CreatePair(IDD_ZEPHRA3_DIALOG));
    zep::CDockButtons buttons;
    zep::CScreenPlacement screen;
    screen.Read();  // the test display: 1920 x 1080 at 96 DPI, the work area the whole screen
    zep::CDockLayout layout(pair, buttons, screen);
    zep::CDescriptionPanel card;
    zep::CLaunchConfig config;
    zep::CWin32BarWindows windows(pair, buttons, layout, card, config, screen);
    zep::BarDriver driver(windows, zep::DockEdge::Right);
    struct Case {
        zep::Slide slide;
        POINT from, to;
        zep::DockState state;
    };
    const Case cases[] = {
        {zep::RevealSlide(zep::DockEdge::Left), {-133, 20}, {-11, 20}, zep::Shown},
        {zep::HideSlide(zep::DockEdge::Left), {-11, 20}, {-133, 20}, zep::Hidden},
        {zep::RevealSlide(zep::DockEdge::Right), {1700, 20}, {1798, 20}, zep::Shown},  // past the target: at once
        {zep::HideSlide(zep::DockEdge::Bottom), {440, 958}, {440, 1080}, zep::Hidden},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(zep::SlideTimerId(c.slide));
        ::SetWindowPos(*pair.Background(), nullptr, c.from.x, c.from.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        const BOOL visible = ::IsWindowVisible(pair);
        driver.SlideToEnd(c.slide);
        const RECT rect = probe::WindowRect(*pair.Background());
        EXPECT_EQ(c.to.x, rect.left);
        EXPECT_EQ(c.to.y, rect.top);
        EXPECT_EQ(c.state, driver.State());
        EXPECT_EQ(visible, ::IsWindowVisible(pair));
    }
    pair.DestroyWindow();
}

}  // namespace
