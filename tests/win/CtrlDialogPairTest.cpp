// The window pair: the control dialog's placement, colour key and tear-down, the companion following its
// background window, the close request, dragging, and the dialog keys that must never close anything.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>

#include "SkinWindowProbe.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/WhiteLinePng.h"

namespace {

using probe::RecordingPngDialog;

// A control dialog that reports the commands the dialog manager would close it with.
class RecordingCtrlDialog : public zep::CCtrlDialog {
public:
    std::vector<UINT> commands;

protected:
    bool OnCommand(WPARAM wParam, LPARAM) override
    {
        commands.push_back(LOWORD(wParam));
        return true;
    }
};

// A window that counts the WM_CLOSE messages it receives and never closes.
class CloseTarget {
public:
    CloseTarget()
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &CloseTarget::Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZepCloseProbe";
        ::RegisterClassW(&wc);
        m_hwnd = ::CreateWindowExW(0, L"ZepCloseProbe", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance,
                                   nullptr);
    }
    ~CloseTarget() { ::DestroyWindow(m_hwnd); }
    HWND get() const { return m_hwnd; }
    // Closes received since the last call, after delivering those still queued.
    int TakeCloses()
    {
        MSG msg;
        while (::PeekMessageW(&msg, m_hwnd, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        return static_cast<int>(::SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0));
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_CLOSE) {
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, ::GetWindowLongPtrW(hwnd, GWLP_USERDATA) + 1);
            return 0;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND m_hwnd;
};

// Whether a tooltip control owned by `owner` exists on this thread.
struct TooltipSearch {
    HWND owner;
    bool found;
};

BOOL CALLBACK FindOwnedTooltip(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<TooltipSearch*>(param);
    wchar_t name[64] = L"";
    ::GetClassNameW(hwnd, name, 64);
    if (::GetWindow(hwnd, GW_OWNER) == search->owner && ::lstrcmpiW(name, TOOLTIPS_CLASSW) == 0)
        search->found = true;
    return TRUE;
}

bool HasOwnedTooltip(HWND owner)
{
    TooltipSearch search{owner, false};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindOwnedTooltip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class CtrlDialogPairTest : public ::testing::Test {
protected:
    void SetUp() override { probe::SetStoredDirection(0); }

    // Background window with the 420 x 175 settings picture at (100, 100), control dialog above it.
    void CreatePair(POINT offset, SIZE extra)
    {
        ASSERT_TRUE(m_pair.Background()->LoadPicture(300));
        ASSERT_TRUE(m_pair.Background()->Create(IDD_PNG_DIALOG, nullptr));
        ::SetWindowPos(*m_pair.Background(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_pair.SetForegroundOffsets(offset, extra);
        ASSERT_TRUE(m_pair.Create(IDD_SETTING_DIALOG, *m_pair.Background()));
    }

    RecordingCtrlDialog m_pair;
};

TEST_F(CtrlDialogPairTest, DialogSitsOnItsBackgroundWithOffsetAndSizeChange)
{
    struct Case {
        POINT offset;
        SIZE extra;
    };
    const Case cases[] = {{{0, 0}, {0, 0}}, {{10, 20}, {-30, -40}}, {{-5, 12}, {20, -100}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.offset.x << "," << c.offset.y);
        RecordingCtrlDialog pair;
        ASSERT_TRUE(pair.Background()->LoadPicture(300));
        ASSERT_TRUE(pair.Background()->Create(IDD_PNG_DIALOG, nullptr));
        ::SetWindowPos(*pair.Background(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pair.SetForegroundOffsets(c.offset, c.extra);
        ASSERT_TRUE(pair.Create(IDD_SETTING_DIALOG, *pair.Background()));

        const RECT rect = probe::WindowRect(pair);
        EXPECT_EQ(100 + c.offset.x, rect.left);
        EXPECT_EQ(100 + c.offset.y, rect.top);
        EXPECT_EQ(420 + c.extra.cx, rect.right - rect.left);
        EXPECT_EQ(175 + c.extra.cy, rect.bottom - rect.top);
        EXPECT_TRUE(::IsWindowVisible(pair));
        EXPECT_EQ(static_cast<HWND>(pair), pair.Background()->Companion());

        const LONG_PTR exStyle = ::GetWindowLongPtrW(pair, GWL_EXSTYLE);
        EXPECT_TRUE(exStyle & WS_EX_LAYERED);
        EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
        EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(::GetLayeredWindowAttributes(pair, &key, &alpha, &flags));
        EXPECT_EQ(RGB(11, 0, 11), key);
        EXPECT_EQ(static_cast<DWORD>(LWA_COLORKEY), flags);
        EXPECT_TRUE(HasOwnedTooltip(pair));
        pair.DestroyWindow();
    }
}

TEST_F(CtrlDialogPairTest, CompanionFollowsItsBackgroundWindowAnywhere)
{
    CreatePair({0, 215}, {0, -440});
    const RECT before = probe::WindowRect(m_pair);
    const POINT places[] = {{-133, 40}, {1787, 20}, {300, -5000}, {1920, 1080}, {0, 0}};
    for (const POINT& place : places) {
        SCOPED_TRACE(::testing::Message() << place.x << "," << place.y);
        ::SetWindowPos(*m_pair.Background(), nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const RECT rect = probe::WindowRect(m_pair);
        EXPECT_EQ(place.x, rect.left);
        EXPECT_EQ(place.y + 215, rect.top);
        EXPECT_EQ(before.right - before.left, rect.right - rect.left);
        EXPECT_EQ(before.bottom - before.top, rect.bottom - rect.top);
    }
    // Moved through MoveWindow as well.
    ::MoveWindow(*m_pair.Background(), 50, 60, 420, 175, FALSE);
    EXPECT_EQ(50, probe::WindowRect(m_pair).left);
    EXPECT_EQ(275, probe::WindowRect(m_pair).top);
}

TEST_F(CtrlDialogPairTest, EraseFillsTheClientAreaWithTheKeyColour)
{
    CreatePair({0, 0}, {0, 0});
    RECT client{};
    ::GetClientRect(m_pair, &client);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    ::PatBlt(dc, 0, 0, client.right, client.bottom, WHITENESS);

    EXPECT_NE(0, ::SendMessageW(m_pair, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
    const POINT samples[] = {{0, 0}, {client.right - 1, client.bottom - 1}, {client.right / 2, client.bottom / 2}};
    for (const POINT& p : samples)
        EXPECT_EQ(RGB(11, 0, 11), ::GetPixel(dc, p.x, p.y)) << p.x << "," << p.y;

    ::SelectObject(dc, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

TEST_F(CtrlDialogPairTest, DestroyWindowTakesTheBackgroundWindowAlong)
{
    CreatePair({0, 0}, {0, 0});
    HWND background = *m_pair.Background();
    HWND dialog = m_pair;
    EXPECT_TRUE(m_pair.DestroyWindow());
    EXPECT_EQ(nullptr, m_pair.Background());
    EXPECT_FALSE(::IsWindow(background));
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_FALSE(m_pair.DestroyWindow());
}

TEST_F(CtrlDialogPairTest, DeletingThePairWithoutDestroyWindowRemovesBothWindows)
{
    HWND background = nullptr;
    HWND dialog = nullptr;
    {
        RecordingCtrlDialog pair;
        ASSERT_TRUE(pair.Background()->LoadPicture(300));
        ASSERT_TRUE(pair.CreatePair(IDD_SETTING_DIALOG));
        background = *pair.Background();
        dialog = pair;
    }
    EXPECT_FALSE(::IsWindow(background));
    EXPECT_FALSE(::IsWindow(dialog));
    // A pair that was never created is deleted as safely.
    { RecordingCtrlDialog unused; }
}

TEST_F(CtrlDialogPairTest, CloseRequestIsPassedToTheCloseTarget)
{
    CloseTarget target;
    RecordingPngDialog window;
    ASSERT_TRUE(window.LoadPicture(300));
    ASSERT_TRUE(window.Create(IDD_PNG_DIALOG, nullptr));
    window.SetCloseTarget(target.get());
    ::SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(1, target.TakeCloses());
    EXPECT_TRUE(::IsWindow(window));

    window.SetCloseTarget(nullptr);
    ::SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(window));
    window.DestroyWindow();
}

TEST_F(CtrlDialogPairTest, EnterEscapeAndAltF4NeverCloseEitherWindow)
{
    struct Case {
        const char* what;
        UINT message;
        WPARAM key;
        LPARAM lParam;
    };
    const LPARAM alt = static_cast<LPARAM>(1) << 29;
    const Case cases[] = {
        {"enter", WM_KEYDOWN, VK_RETURN, 1},
        {"escape", WM_KEYDOWN, VK_ESCAPE, 1},
        {"alt+f4", WM_SYSKEYDOWN, VK_F4, 1 | alt},
        {"alt+f4 held", WM_SYSKEYDOWN, VK_F4, 4 | alt},
    };
    CloseTarget target;
    CreatePair({0, 0}, {0, 0});
    zep::CPngDialog* background = m_pair.Background();
    background->SetCloseTarget(target.get());
    RecordingPngDialog lone;
    ASSERT_TRUE(lone.LoadPicture(318));
    ASSERT_TRUE(lone.Create(IDD_PNG_DIALOG, nullptr));
    lone.SetCloseTarget(target.get());

    probe::TestApp app;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (HWND hwnd : {static_cast<HWND>(m_pair), static_cast<HWND>(*background), static_cast<HWND>(lone)}) {
            ::PostMessageW(hwnd, c.message, c.key, c.lParam);
            app.PumpPending();
            app.PumpPending();
        }
        EXPECT_EQ(0, target.TakeCloses());
        EXPECT_TRUE(m_pair.commands.empty());
        EXPECT_TRUE(lone.commands.empty());
        EXPECT_TRUE(::IsWindowVisible(m_pair));
        EXPECT_TRUE(::IsWindowVisible(lone));
    }

    // The same keys without the filter do reach the close paths, so the checks above can fail.
    ::PostMessageW(lone, WM_SYSKEYDOWN, VK_F4, 1 | alt);
    probe::PumpRaw();
    probe::PumpRaw();
    EXPECT_EQ(1, target.TakeCloses());
    MSG escape{m_pair, WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
    ::IsDialogMessageW(m_pair, &escape);
    EXPECT_NE(m_pair.commands.end(), std::find(m_pair.commands.begin(), m_pair.commands.end(), IDCANCEL));
    lone.DestroyWindow();
}

TEST_F(CtrlDialogPairTest, OtherMessagesWithKeyLikeParametersPassTheFilter)
{
    RecordingPngDialog window;
    ASSERT_TRUE(window.LoadPicture(318));
    ASSERT_TRUE(window.Create(IDD_PNG_DIALOG, nullptr));
    probe::TestApp app;
    ::PostMessageW(window, WM_APP + 1, VK_F4, 1);
    ::PostMessageW(window, WM_APP + 2, VK_ESCAPE, 1);
    ::PostMessageW(window, WM_APP + 3, VK_RETURN, 1);
    app.PumpPending();
    EXPECT_EQ((std::vector<UINT>{WM_APP + 1, WM_APP + 2, WM_APP + 3}), window.appMessages);
    window.DestroyWindow();
}

TEST_F(CtrlDialogPairTest, DragTurnsFullWindowDragOffOnlyForItsDuration)
{
    struct Case {
        bool dragEnabled;
        BOOL fullDragBefore;
    };
    const Case cases[] = {{true, TRUE}, {true, FALSE}, {false, TRUE}, {false, FALSE}};
    BOOL original = FALSE;
    ::SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &original, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dragEnabled << "," << c.fullDragBefore);
        RecordingPngDialog window;
        ASSERT_TRUE(window.LoadPicture(318));
        ASSERT_TRUE(window.Create(IDD_PNG_DIALOG, nullptr));
        window.SetDragEnabled(c.dragEnabled);
        ::SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, c.fullDragBefore, nullptr, 0);

        ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));

        BOOL after = -1;
        ::SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &after, 0);
        EXPECT_EQ(c.fullDragBefore, after);
        if (c.dragEnabled) {
            ASSERT_EQ(1u, window.sysCommands.size());
            EXPECT_EQ(static_cast<WPARAM>(0xF012), window.sysCommands[0]);
            EXPECT_EQ(FALSE, window.fullDragDuringSysCommand[0]);
        } else {
            EXPECT_TRUE(window.sysCommands.empty());
        }
        window.DestroyWindow();
    }
    ::SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, original, nullptr, 0);
}

TEST_F(CtrlDialogPairTest, WhiteLineCannotBeDragged)
{
    zep::CWhiteLinePng line;
    ASSERT_TRUE(line.LoadPicture(317));
    EXPECT_TRUE(line.DragEnabled());
    ASSERT_TRUE(line.Create(IDD_PNG_DIALOG, nullptr));
    EXPECT_FALSE(line.DragEnabled());
    EXPECT_TRUE(probe::IsLayered(line));
    line.DestroyWindow();
}

// ---- MoveBarPair and the foreground offsets

// A dock-like pair over the bar backgrounds: the dialog 600 pixels long, at 215 along the bar.
void CreateBarPair(zep::CCtrlDialog& pair, bool vertical)
{
    probe::LoadAllBackgrounds(*pair.Background());
    pair.Background()->SetBackgroundLayout(vertical ? zep::DockEdge::Right : zep::DockEdge::Top, 0, 0, 0);
    pair.SetForegroundOffsets(vertical ? POINT{0, 215} : POINT{215, 0}, vertical ? SIZE{0, -440} : SIZE{-440, 0});
    ASSERT_TRUE(pair.CreatePair(IDD_ZEPHRA3_DIALOG));
    ::SetWindowPos(*pair.Background(), nullptr, 50, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST(MoveBarPairTest, WithoutMarkerTheDialogFollowsUnsized)
{
    zep::CCtrlDialog pair;
    CreateBarPair(pair, true);
    ::SetWindowPos(pair, nullptr, 0, 0, 50, 60, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    pair.MoveBarPair(300, 10, 500, 500, SWP_NOACTIVATE);

    const RECT background = probe::WindowRect(*pair.Background());
    const RECT dialog = probe::WindowRect(pair);
    const RECT expectedBackground = {300, 10, 300 + 133, 10 + 1040};
    const RECT expectedDialog = {300, 225, 350, 285};
    EXPECT_TRUE(::EqualRect(&expectedBackground, &background));
    EXPECT_TRUE(::EqualRect(&expectedDialog, &dialog));
    EXPECT_EQ(static_cast<HWND>(*pair.Background()), ::GetWindow(pair, GW_HWNDNEXT));
}

TEST(MoveBarPairTest, WithMarkerTheDialogIsMovedAndSizedFirst)
{
    struct Case {
        bool vertical;
        int x, y, width, height;
        RECT dialog;
    };
    const Case cases[] = {
        {true, 400, 30, 133, 1040, {400, 245, 533, 845}},
        {true, -133, 20, 133, 1040, {-133, 235, 0, 835}},
        {false, 100, -133, 1040, 133, {315, -133, 915, 0}},
        {false, 440, 900, 1040, 133, {655, 900, 1255, 1033}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
        zep::CCtrlDialog pair;
        CreateBarPair(pair, c.vertical);
        ::ShowWindow(pair, SW_HIDE);
        ::SetWindowPos(pair, nullptr, 0, 0, 50, 60, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const RECT before = probe::WindowRect(*pair.Background());

        pair.MoveBarPair(c.x, c.y, c.width, c.height, zep::CCtrlDialog::kMoveDialog | SWP_SHOWWINDOW | SWP_NOACTIVATE);

        const RECT dialog = probe::WindowRect(pair);
        EXPECT_TRUE(::EqualRect(&c.dialog, &dialog));
        EXPECT_TRUE(::IsWindowVisible(pair));  // the other flags reach the dialog
        const RECT background = probe::WindowRect(*pair.Background());
        const RECT expected = {c.x, c.y, c.x + before.right - before.left, c.y + before.bottom - before.top};
        EXPECT_TRUE(::EqualRect(&expected, &background));
        EXPECT_EQ(static_cast<HWND>(*pair.Background()), ::GetWindow(pair, GW_HWNDNEXT));
    }
}

TEST(ForegroundOffsetsTest, StoredInTheDialogAndItsBackground)
{
    zep::CCtrlDialog dialog;
    dialog.SetForegroundOffsets(POINT{215, 0}, SIZE{-440, 0});
    EXPECT_EQ(215, dialog.ForegroundOffset().x);
    EXPECT_EQ(0, dialog.ForegroundOffset().y);
    EXPECT_EQ(-440, dialog.ForegroundSizeChange().cx);
    EXPECT_EQ(0, dialog.ForegroundSizeChange().cy);
    EXPECT_EQ(215, dialog.Background()->CompanionOffset().x);
    EXPECT_EQ(0, dialog.Background()->CompanionOffset().y);
}

}  // namespace
