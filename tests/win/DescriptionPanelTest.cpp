// The description panel on real windows (its places, hover rules and clean-up run end to end): every
// card's controls, colours and font, and texts that fit. Also the pair fades and the blocking slide.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinWindowProbe.h"
#include "launcher/dock/BarSlider.h"
#include "launcher/dock/DockStateMachine.h"
#include "launcher/dock/PairFader.h"
#include "launcher/skin/DescriptionPanel.h"
#include "launcher/skin/PanelContent.h"

namespace {

using zep::CDescriptionPanel;

// A popup standing in for the bar's background window or for the dock dialog.
class Window {
public:
    explicit Window(RECT r)
        : m_hwnd(::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, nullptr, nullptr, nullptr, nullptr))
    {
    }
    ~Window() { ::DestroyWindow(m_hwnd); }
    operator HWND() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

const RECT kRightBar = {1798, 20, 1931, 1060};

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

class DescriptionPanelTest : public ::testing::Test {
protected:
    void SetUp() override { probe::SetStoredDirection(0); }
};

// Every card shows its texts (and only the wide card its buttons) in the panel's font, headlines light cyan
// and the rest white on the key colour with nothing filled behind, and each text fits its place: nothing
// is cut off at the bottom or the side.
TEST_F(DescriptionPanelTest, EveryCardTextFitsItsPlace)
{
    Window bar(kRightBar), dock({0, 0, 1, 1});
    CDescriptionPanel panel;
    ASSERT_TRUE(panel.Open(1010, 0, bar, dock, dock));
    LOGFONTW font{};
    ASSERT_TRUE(::GetObjectW(panel.Panel()->m_font.get(), sizeof(font), &font));
    EXPECT_EQ(15, font.lfHeight);
    EXPECT_EQ(500, font.lfWeight);
    EXPECT_STREQ(L"Arial", font.lfFaceName);
    for (int control = 1010; control >= 1000; --control) {
        panel.Retarget(control, 0, bar);
        const zep::PanelContent content = zep::PanelContentFor(control);
        EXPECT_EQ(static_cast<size_t>(content.textCount + content.buttonCount), Children(*panel.Panel()).size());
        const HDC dc = ::GetDC(*panel.Panel());
        ::SelectObject(dc, panel.Panel()->m_font.get());
        for (int i = 0; i < content.textCount; ++i) {
            const HWND text = ::GetDlgItem(*panel.Panel(), 2000 + i);
            const bool cyan = content.texts[i].colour == zep::PanelTextColour::LightCyan;
            const LRESULT brush = ::SendMessageW(*panel.Panel(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(text));
            EXPECT_EQ(reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)), brush);
            EXPECT_EQ(cyan ? RGB(102, 255, 255) : RGB(255, 255, 255), ::GetTextColor(dc));
            EXPECT_EQ(RGB(11, 0, 11), ::GetBkColor(dc));
            EXPECT_EQ(reinterpret_cast<LRESULT>(panel.Panel()->m_font.get()), ::SendMessageW(text, WM_GETFONT, 0, 0));
            wchar_t shown[512] = {};
            ::GetWindowTextW(text, shown, 512);
            RECT place{};
            ::GetClientRect(text, &place);
            RECT needed = place;
            ::DrawTextW(dc, shown, -1, &needed, DT_CALCRECT | DT_WORDBREAK);
            const std::string name = std::to_string(control) + " text " + std::to_string(i);
            EXPECT_GT(wcslen(shown), 0u) << name;
            EXPECT_LE(needed.bottom, place.bottom) << name;
            EXPECT_LE(needed.right, place.right) << name;
        }
        ::ReleaseDC(*panel.Panel(), dc);
    }
}

// The pair fades: the dialog's alpha and its background's compositions follow the ramps.
TEST_F(DescriptionPanelTest, PairFadesFollowTheRamps)
{
    zep::CCtrlDialog pair;
    delete pair.m_pPngDlg;
    auto* background = new probe::RecordingPngDialog;
    pair.m_pPngDlg = background;
    background->keepPixels = false;
    ASSERT_TRUE(background->LoadPicture(300));
    ASSERT_TRUE(background->Create(IDD_PNG_DIALOG, nullptr));
    ASSERT_TRUE(pair.Create(IDD_SETTING_DIALOG, *background));
    ASSERT_EQ(32, zep::CPairFader::ColourDepth(pair));  // the test display has 24 bits per pixel

    for (const bool in : {true, false}) {
        background->compositions.clear();
        in ? zep::CPairFader::FadeIn(pair, pair) : zep::CPairFader::FadeOut(pair, pair);
        ASSERT_EQ(22u, background->compositions.size());
        EXPECT_EQ(in ? 0 : 255, background->compositions.front().alpha);
        EXPECT_EQ(in ? 252 : 3, background->compositions.back().alpha);
        BYTE alpha = 0;
        ASSERT_TRUE(::GetLayeredWindowAttributes(pair, nullptr, &alpha, nullptr));
        EXPECT_EQ(in ? 252 : 3, alpha);
    }
    pair.DestroyWindow();
}

// The blocking slide takes the bar to its end and the state machine with it, touching no visibility.
TEST_F(DescriptionPanelTest, BlockingSlideRunsToTheEnd)
{
    zep::CCtrlDialog pair;
    ASSERT_TRUE(probe::LoadAllBackgrounds(*pair.m_pPngDlg));
    ASSERT_TRUE(pair.m_pPngDlg->Create(IDD_PNG_DIALOG, nullptr));
    ASSERT_TRUE(pair.Create(IDD_ZEPHRA3_DIALOG, *pair.m_pPngDlg));
    struct Case {
        int code;
        POINT from, to;
        zep::DockState state;
    };
    const Case cases[] = {
        {11, {-133, 20}, {-11, 20}, zep::Shown},    {10, {-11, 20}, {-133, 20}, zep::Hidden},
        {1, {1700, 20}, {1798, 20}, zep::Shown},    // already past the target: placed at once
        {30, {440, 958}, {440, 1080}, zep::Hidden}, {5, {100, 100}, {100, 100}, zep::Hidden},  // no slide
    };
    zep::DockStateMachine dock;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ::SetWindowPos(*pair.m_pPngDlg, nullptr, c.from.x, c.from.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        const BOOL visible = ::IsWindowVisible(pair);
        zep::CBarSlider::SlideToEnd(pair, c.code, RECT{0, 0, 1920, 1080}, dock);
        const RECT rect = probe::WindowRect(*pair.m_pPngDlg);
        EXPECT_EQ(c.to.x, rect.left);
        EXPECT_EQ(c.to.y, rect.top);
        EXPECT_EQ(c.state, dock.State());
        EXPECT_EQ(visible, ::IsWindowVisible(pair));
    }
    pair.DestroyWindow();
}

}  // namespace
