// The description panel on real windows (its places, hover rules and clean-up run end to end): every
// card's controls, colours and font, and texts that fit.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinWindowProbe.h"
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

// Every card shows its texts (and only the wide card its buttons) in the panel's font, headlines light cyan
// and the rest white on the key colour with nothing filled behind, and each text fits its place: nothing
// is cut off at the bottom or the side.
TEST(DescriptionPanelTest, EveryCardTextFitsItsPlace)
{
    Window bar(kRightBar), dock({0, 0, 1, 1});
    CDescriptionPanel panel;
    panel.Attach(bar, dock, nullptr);
    ASSERT_TRUE(panel.Open(zep::DockButton::Combined, zep::DockEdge::Right));
    LOGFONTW font{};
    ASSERT_TRUE(::GetObjectW(panel.Panel()->TextFont(), sizeof(font), &font));
    EXPECT_EQ(15, font.lfHeight);
    EXPECT_EQ(500, font.lfWeight);
    EXPECT_STREQ(L"Arial", font.lfFaceName);
    for (int control = 1010; control >= 1000; --control) {
        const zep::DockButton button = *zep::ToDockButton(control);
        panel.Retarget(button, zep::DockEdge::Right);
        const zep::PanelContent content = zep::PanelContentFor(button);
        EXPECT_EQ(static_cast<size_t>(content.textCount + content.buttonCount), Children(*panel.Panel()).size());
        const HDC dc = ::GetDC(*panel.Panel());
        ::SelectObject(dc, panel.Panel()->TextFont());
        for (int i = 0; i < content.textCount; ++i) {
            const HWND text = ::GetDlgItem(*panel.Panel(), 2000 + i);
            const bool cyan = content.texts[i].colour == zep::PanelTextColour::LightCyan;
            const LRESULT brush = ::SendMessageW(*panel.Panel(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(text));
            EXPECT_EQ(reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)), brush);
            EXPECT_EQ(cyan ? RGB(102, 255, 255) : RGB(255, 255, 255), ::GetTextColor(dc));
            EXPECT_EQ(RGB(11, 0, 11), ::GetBkColor(dc));
            EXPECT_EQ(reinterpret_cast<LRESULT>(panel.Panel()->TextFont()), ::SendMessageW(text, WM_GETFONT, 0, 0));
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

}  // namespace
