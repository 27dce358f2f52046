// The description panel on real windows: its place beside a bar on every edge, its card contents and
// colours, switching cards, its buttons' reports and clicks, the fades, and that closing gives back every
// window and GDI object. Also the pair fades and the blocking slide of the bar.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinWindowProbe.h"
#include "framework/ResourceCounter.h"
#include "launcher/dock/BarSlider.h"
#include "launcher/dock/DockStateMachine.h"
#include "launcher/dock/PairFader.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/DescriptionPanel.h"
#include "shared/ZepShared.h"

namespace {

using zep::CDescriptionPanel;

// A plain popup standing in for the bar's background window, and the dock dialog that hears the panel.
class Window {
public:
    explicit Window(RECT rect)
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Window::Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZepPanelProbe";
        ::RegisterClassW(&wc);
        m_hwnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"ZepPanelProbe", L"", WS_POPUP, rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, wc.hInstance,
                                   this);
        ::SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Window() { ::DestroyWindow(m_hwnd); }
    operator HWND() const { return m_hwnd; }

    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Message> received;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_BUTTON_HOVER || message == WM_DES_COMMAND) {
            reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA))->received.push_back({message, wParam, lParam});
            return 0;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND m_hwnd;
};

RECT Rect(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }

::testing::AssertionResult SameRect(const RECT& want, HWND window)
{
    const RECT got = probe::WindowRect(window);
    if (::EqualRect(&want, &got))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at (" << got.left << ", " << got.top << ") " << got.right - got.left
                                         << " x " << got.bottom - got.top << ", want (" << want.left << ", "
                                         << want.top << ") " << want.right - want.left << " x "
                                         << want.bottom - want.top;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

int ThreadWindows()
{
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND, LPARAM n) { return ++*reinterpret_cast<int*>(n), TRUE; },
                        reinterpret_cast<LPARAM>(&count));
    return count;
}

class DescriptionPanelTest : public ::testing::Test {
protected:
    void SetUp() override { probe::SetStoredDirection(0); }
};

TEST_F(DescriptionPanelTest, OpensBesideTheBarOnEveryEdgeWithItsCard)
{
    struct Case {
        int edge;
        RECT bar;
        int control;
        RECT line, panel;
        int texts, buttons;
    };
    const Case cases[] = {
        {0, Rect(1787, 20, 133, 1040), 1003, Rect(1760, 292, 17, 495), Rect(1525, 368, 225, 344), 3, 0},
        {0, Rect(1787, 20, 133, 1040), 1010, Rect(1760, 292, 17, 495), Rect(1314, 368, 436, 344), 6, 2},
        {1, Rect(-11, 20, 133, 1040), 1000, Rect(132, 292, 17, 495), Rect(159, 368, 225, 344), 7, 0},
        {2, Rect(440, -11, 1040, 133), 1005, Rect(712, 132, 495, 17), Rect(847, 159, 225, 344), 5, 0},
        {3, Rect(440, 947, 1040, 133), 1008, Rect(712, 920, 495, 17), Rect(847, 566, 225, 344), 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "edge " << c.edge << " control " << c.control);
        Window bar(c.bar), dock(Rect(0, 0, 1, 1));
        CDescriptionPanel panel;
        ASSERT_TRUE(panel.Open(c.control, c.edge, bar, dock, dock));
        ASSERT_TRUE(panel.IsOpen());
        EXPECT_TRUE(SameRect(c.line, *panel.WhiteLine()));
        EXPECT_TRUE(SameRect(c.panel, *panel.Panel()));
        EXPECT_TRUE(SameRect(c.panel, *panel.Panel()->m_pPngDlg));
        EXPECT_EQ(c.control - 1000, panel.Panel()->m_nSlot);

        int texts = 0, buttons = 0;
        for (HWND child : Children(*panel.Panel())) {
            const int id = ::GetDlgCtrlID(child);
            if (id >= 2000 && id < 2007)
                ++texts;
            if (id == 2007 || id == 2008) {
                ++buttons;
                EXPECT_TRUE(SameRect(id == 2007 ? Rect(c.panel.left + 154, c.panel.top + 298, 50, 25)
                                                : Rect(c.panel.left + 365, c.panel.top + 298, 50, 25),
                                     child));
            }
        }
        EXPECT_EQ(c.texts, texts);
        EXPECT_EQ(c.buttons, buttons);

        // Faded in to 252, colour key kept; never raised to 255.
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(::GetLayeredWindowAttributes(*panel.Panel(), &key, &alpha, &flags));
        EXPECT_EQ(RGB(11, 0, 11), key);
        EXPECT_EQ(252, alpha);
        EXPECT_EQ(static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA), flags);

        const HWND windows[] = {*panel.WhiteLine(), *panel.Panel(), *panel.Panel()->m_pPngDlg};
        panel.Close(false, dock);
        EXPECT_FALSE(panel.IsOpen());
        for (HWND window : windows)
            EXPECT_FALSE(::IsWindow(window));
    }
}

TEST_F(DescriptionPanelTest, SwitchingCardsMovesOnlyThePanel)
{
    Window bar(Rect(1787, 20, 133, 1040)), dock(Rect(0, 0, 1, 1));
    CDescriptionPanel panel;
    ASSERT_TRUE(panel.Open(1003, 0, bar, dock, dock));
    const HWND panelWindow = *panel.Panel();
    const RECT line = probe::WindowRect(*panel.WhiteLine());

    panel.Retarget(1010, 0, bar);  // widens to the left by 211 pixels
    EXPECT_EQ(panelWindow, static_cast<HWND>(*panel.Panel()));
    EXPECT_TRUE(SameRect(Rect(1314, 368, 436, 344), *panel.Panel()));
    EXPECT_TRUE(SameRect(Rect(1314, 368, 436, 344), *panel.Panel()->m_pPngDlg));
    EXPECT_TRUE(SameRect(line, *panel.WhiteLine()));
    EXPECT_TRUE(::IsWindow(::GetDlgItem(*panel.Panel(), 2008)));
    EXPECT_TRUE(::IsWindow(::GetDlgItem(*panel.Panel(), 2005)));

    panel.Retarget(1000, 0, bar);
    EXPECT_TRUE(SameRect(Rect(1525, 368, 225, 344), *panel.Panel()));
    EXPECT_FALSE(::IsWindow(::GetDlgItem(*panel.Panel(), 2007)));  // the "OK" buttons went with the wide card
    EXPECT_EQ(7u, Children(*panel.Panel()).size());
    wchar_t headline[128] = {};
    ::GetWindowTextW(::GetDlgItem(*panel.Panel(), 2000), headline, 128);
    wchar_t expected[128] = {};
    ::LoadStringW(::GetModuleHandleW(nullptr), 400, expected, 128);
    EXPECT_STREQ(expected, headline);
}

TEST_F(DescriptionPanelTest, ButtonsReportToTheDockAndTextsStandOnTheCard)
{
    Window bar(Rect(-11, 20, 133, 1040)), dock(Rect(0, 0, 1, 1));
    CDescriptionPanel panel;
    ASSERT_TRUE(panel.Open(1010, 1, bar, dock, dock));
    probe::PumpRaw();
    // Each "OK" button reported its first paint (pointer away) through the panel, unchanged.
    for (WPARAM id : {2007, 2008}) {
        bool reported = false;
        for (const Window::Message& m : dock.received)
            reported = reported || (m.message == WM_BUTTON_HOVER && m.wParam == id && m.lParam == 1);
        EXPECT_TRUE(reported) << id;
    }
    dock.received.clear();
    ::SendMessageW(::GetDlgItem(*panel.Panel(), 2008), BM_CLICK, 0, 0);
    probe::PumpRaw();
    bool clicked = false;
    for (const Window::Message& m : dock.received)
        clicked = clicked || (m.message == WM_DES_COMMAND && m.wParam == 2008 && m.lParam == 0);
    EXPECT_TRUE(clicked);

    // Headlines light cyan, bodies white, each on the key colour with nothing filled behind.
    const HDC dc = ::CreateCompatibleDC(nullptr);
    struct Colour {
        int id;
        COLORREF colour;
    };
    for (const Colour& c : {Colour{2000, RGB(102, 255, 255)}, Colour{2001, RGB(255, 255, 255)},
                            Colour{2003, RGB(102, 255, 255)}, Colour{2005, RGB(255, 255, 255)}}) {
        const LRESULT brush = ::SendMessageW(*panel.Panel(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                             reinterpret_cast<LPARAM>(::GetDlgItem(*panel.Panel(), c.id)));
        EXPECT_EQ(reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)), brush) << c.id;
        EXPECT_EQ(c.colour, ::GetTextColor(dc)) << c.id;
        EXPECT_EQ(RGB(11, 0, 11), ::GetBkColor(dc)) << c.id;
    }
    ::DeleteDC(dc);

    LOGFONTW font{};
    ASSERT_TRUE(::GetObjectW(reinterpret_cast<HGDIOBJ>(::SendMessageW(::GetDlgItem(*panel.Panel(), 2000), WM_GETFONT, 0, 0)),
                             sizeof(font), &font));
    EXPECT_EQ(15, font.lfHeight);
    EXPECT_EQ(500, font.lfWeight);
    EXPECT_EQ(ANTIALIASED_QUALITY, font.lfQuality);
    EXPECT_STREQ(L"Arial", font.lfFaceName);
}

// Every card's texts fit their places in the panel's font: nothing is cut off at the bottom or the side.
TEST_F(DescriptionPanelTest, EveryCardTextFitsItsPlace)
{
    Window bar(Rect(1787, 20, 133, 1040)), dock(Rect(0, 0, 1, 1));
    CDescriptionPanel panel;
    ASSERT_TRUE(panel.Open(1000, 0, bar, dock, dock));
    for (int control = 1000; control <= 1010; ++control) {
        panel.Retarget(control, 0, bar);
        const HDC dc = ::GetDC(*panel.Panel());
        ::SelectObject(dc, panel.Panel()->m_font.get());
        for (HWND text : Children(*panel.Panel())) {
            if (::GetDlgCtrlID(text) >= 2007)
                continue;
            wchar_t content[512] = {};
            ::GetWindowTextW(text, content, 512);
            RECT place{};
            ::GetClientRect(text, &place);
            RECT needed = place;
            ::DrawTextW(dc, content, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_LEFT);
            EXPECT_LE(needed.bottom, place.bottom) << control << ": " << std::string(content, content + wcslen(content));
            EXPECT_LE(needed.right, place.right) << control << ": " << std::string(content, content + wcslen(content));
            EXPECT_GT(wcslen(content), 0u) << control << " text " << ::GetDlgCtrlID(text);
        }
        ::ReleaseDC(*panel.Panel(), dc);
    }
}

TEST_F(DescriptionPanelTest, OpenSwitchCloseCyclesLeaveNothingBehind)
{
    Window bar(Rect(440, 958, 1040, 133)), dock(Rect(0, 0, 1, 1));
    const int windowsBefore = ThreadWindows();
    const long gdiBefore = zep::ResourceCounter::Live(zep::ResourceKind::GdiObject);
    const long imagesBefore = zep::ResourceCounter::Live(zep::ResourceKind::GdipImage);
    CDescriptionPanel panel;
    for (int cycle = 0; cycle < 8; ++cycle) {
        ASSERT_TRUE(panel.Open(1000 + cycle, 3, bar, dock, dock));
        panel.Retarget(1010, 3, bar);
        panel.Close(cycle % 2 == 0, dock);
        probe::PumpRaw();
    }
    EXPECT_EQ(windowsBefore, ThreadWindows());
    EXPECT_EQ(gdiBefore, zep::ResourceCounter::Live(zep::ResourceKind::GdiObject));
    EXPECT_EQ(imagesBefore, zep::ResourceCounter::Live(zep::ResourceKind::GdipImage));
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

    struct Case {
        bool in;
        BYTE first, last, stays;
    };
    for (const Case& c : {Case{true, 0, 252, 252}, Case{false, 255, 3, 3}}) {
        background->compositions.clear();
        c.in ? zep::CPairFader::FadeIn(pair, pair) : zep::CPairFader::FadeOut(pair, pair);
        ASSERT_EQ(22u, background->compositions.size());
        EXPECT_EQ(c.first, background->compositions.front().alpha);
        EXPECT_EQ(c.last, background->compositions.back().alpha);
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(::GetLayeredWindowAttributes(pair, nullptr, &alpha, &flags));
        EXPECT_EQ(c.stays, alpha);
        EXPECT_EQ(static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA), flags);
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
    const RECT fullScreen = {0, 0, 1920, 1080};
    struct Case {
        int code;
        POINT from, to;
        zep::DockState state;
    };
    const Case cases[] = {
        {11, {-133, 20}, {-11, 20}, zep::Shown},  {10, {-11, 20}, {-133, 20}, zep::Hidden},
        {1, {1700, 20}, {1798, 20}, zep::Shown},  // already past the target: placed at once
        {30, {440, 958}, {440, 1080}, zep::Hidden}, {5, {100, 100}, {100, 100}, zep::Hidden},
    };
    zep::DockStateMachine dock;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ::SetWindowPos(*pair.m_pPngDlg, nullptr, c.from.x, c.from.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        const BOOL visible = ::IsWindowVisible(pair);
        zep::CBarSlider::SlideToEnd(pair, c.code, fullScreen, dock);
        const RECT rect = probe::WindowRect(*pair.m_pPngDlg);
        EXPECT_EQ(c.to.x, rect.left);
        EXPECT_EQ(c.to.y, rect.top);
        EXPECT_EQ(c.state, dock.State());
        EXPECT_EQ(visible, ::IsWindowVisible(pair));
    }
    pair.DestroyWindow();
}

}  // namespace
