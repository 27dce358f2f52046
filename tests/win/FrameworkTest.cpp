// The application framework under Wine: window attachment and destruction orders, message routing,
// the pre-translation chain, the message loop, workers and events.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/Event.h"
#include "framework/UniqueResource.h"
#include "framework/WinApp.h"
#include "framework/WorkerThread.h"

namespace {

using zep::CWnd;

// What every test window reports, in order.
std::vector<std::string>* g_log = nullptr;
void Log(const std::string& line)
{
    if (g_log)
        g_log->push_back(line);
}

class LoggingDialog : public zep::CDialog {
public:
    explicit LoggingDialog(std::string name) : m_name(std::move(name)) {}
    BOOL OnInitDialog() override
    {
        Log(m_name + ":init");
        return CDialog::OnInitDialog();
    }
    BOOL PreTranslateMessage(MSG* msg) override
    {
        Log(m_name + ":pretranslate");
        return m_swallow ? TRUE : FALSE;
    }
    bool m_swallow = false;
    int m_postNcDestroy = 0;

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message == WM_CREATE)
            Log(m_name + ":create");
        if (message == WM_NCDESTROY)
            Log(m_name + ":ncdestroy");
        return CDialog::OnWndMsg(message, wParam, lParam, result);
    }
    bool OnCommand(WPARAM wParam, LPARAM) override
    {
        Log(m_name + ":command " + std::to_string(LOWORD(wParam)));
        return true;
    }
    void PostNcDestroy() override { ++m_postNcDestroy; }

private:
    std::string m_name;
};

class ReflectingButton : public zep::CButton {
public:
    bool m_consumeCommand = false;

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* result) override
    {
        if (message == WM_DRAWITEM) {
            Log("button:drawitem");
            *result = TRUE;
            return true;
        }
        if (message == WM_COMMAND && m_consumeCommand) {
            Log("button:reflected " + std::to_string(HIWORD(wParam)));
            *result = 0;
            return true;
        }
        return false;
    }
};

class TestApp : public zep::CWinApp {
public:
    bool InitInstance() override { return true; }
    int ExitInstance() override
    {
        Log("app:exit");
        return 7;
    }
};

void CALLBACK DestroyMainWindow(HWND, UINT, UINT_PTR, DWORD)
{
    zep::CWinApp* app = zep::CWinApp::Instance();
    if (app && app->m_pMainWnd)
        ::DestroyWindow(app->m_pMainWnd->GetSafeHwnd());
}

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override { g_log = &m_log; }
    void TearDown() override { g_log = nullptr; }
    std::vector<std::string> m_log;
};

TEST_F(FrameworkTest, DialogFromTemplateGetsCreateBeforeInitAndHasTemplateShape)
{
    LoggingDialog dialog("dlg");
    ASSERT_TRUE(dialog.Create(102, nullptr));
    EXPECT_EQ(&dialog, CWnd::FromHandle(dialog));
    EXPECT_EQ((std::vector<std::string>{"dlg:create", "dlg:init"}), m_log);

    const LONG_PTR style = ::GetWindowLongPtrW(dialog, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_VISIBLE);
    RECT rc;
    ::GetWindowRect(dialog, &rc);
    // 71 x 36 dialog units in the template's font; a popup without a frame is exactly that size.
    RECT units = {0, 0, 71, 36};
    ASSERT_TRUE(::MapDialogRect(dialog, &units));
    EXPECT_GT(units.right, 71);
    EXPECT_EQ(units.right, rc.right - rc.left);
    EXPECT_EQ(units.bottom, rc.bottom - rc.top);
    EXPECT_TRUE(dialog.DestroyWindow());
}

TEST_F(FrameworkTest, DestroyingTheWindowFirstDetachesTheObject)
{
    LoggingDialog dialog("dlg");
    ASSERT_TRUE(dialog.Create(102, nullptr));
    HWND hwnd = dialog;
    ASSERT_TRUE(::DestroyWindow(hwnd));
    EXPECT_EQ(nullptr, dialog.GetSafeHwnd());
    EXPECT_EQ(nullptr, CWnd::FromHandle(hwnd));
    EXPECT_EQ(1, dialog.m_postNcDestroy);
    EXPECT_EQ("dlg:ncdestroy", m_log.back());
    EXPECT_FALSE(dialog.DestroyWindow());  // nothing left to destroy
}

TEST_F(FrameworkTest, DestroyingTheObjectFirstDestroysTheWindowWithoutCallingBack)
{
    auto* dialog = new LoggingDialog("dlg");
    ASSERT_TRUE(dialog->Create(102, nullptr));
    HWND hwnd = *dialog;
    m_log.clear();
    delete dialog;
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_TRUE(m_log.empty()) << "a message reached the object while it was being destroyed";
}

TEST_F(FrameworkTest, ChildNotificationsAreReflectedBeforeTheParentSeesThem)
{
    LoggingDialog dialog("dlg");
    ASSERT_TRUE(dialog.Create(102, nullptr));
    ReflectingButton button;
    const RECT rc = {0, 0, 40, 20};
    ASSERT_TRUE(button.Create(L"", BS_OWNERDRAW | WS_VISIBLE, rc, dialog, 1234));
    ::UpdateWindow(dialog);
    ::UpdateWindow(button);
    ::RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    struct Case {
        bool consume;
        std::string expected;
    };
    for (const Case& c : {Case{false, "dlg:command 1234"}, Case{true, "button:reflected 0"}}) {
        button.m_consumeCommand = c.consume;
        m_log.clear();
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(1234, BN_CLICKED), reinterpret_cast<LPARAM>(button.GetSafeHwnd()));
        EXPECT_EQ(std::vector<std::string>{c.expected}, m_log) << "consume=" << c.consume;
    }

    m_log.clear();
    ::RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(std::vector<std::string>{"button:drawitem"}, m_log);
    dialog.DestroyWindow();
}

TEST_F(FrameworkTest, SubclassingAnExistingControlRoutesItAndUnsubclassingRestoresIt)
{
    HWND hwnd = ::CreateWindowExW(0, L"BUTTON", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(hwnd);
    const LONG_PTR original = ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    CWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hwnd));
    EXPECT_NE(original, ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    EXPECT_EQ(&wnd, CWnd::FromHandle(hwnd));
    CWnd second;
    EXPECT_FALSE(second.SubclassWindow(hwnd)) << "a window has at most one object";
    EXPECT_EQ(hwnd, wnd.UnsubclassWindow());
    EXPECT_EQ(original, ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandle(hwnd));
    ::DestroyWindow(hwnd);
}

TEST_F(FrameworkTest, PreTranslationRunsFromTheTargetOutwardAndStopsAtTheFirstTaker)
{
    TestApp app;
    LoggingDialog outer("outer");
    ASSERT_TRUE(outer.Create(102, nullptr));
    LoggingDialog inner("inner");
    ASSERT_TRUE(inner.Create(102, outer));  // owned popup: GetParent answers the owner
    app.m_pMainWnd = &outer;

    struct Case {
        bool innerSwallows;
        bool outerSwallows;
        BOOL handled;
        std::vector<std::string> order;
    };
    const Case cases[] = {
        {false, false, FALSE, {"inner:pretranslate", "outer:pretranslate"}},
        {false, true, TRUE, {"inner:pretranslate", "outer:pretranslate"}},
        {true, false, TRUE, {"inner:pretranslate"}},
    };
    for (const Case& c : cases) {
        inner.m_swallow = c.innerSwallows;
        outer.m_swallow = c.outerSwallows;
        m_log.clear();
        MSG msg = {inner, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
        EXPECT_EQ(c.handled, app.PreTranslateMessage(&msg));
        EXPECT_EQ(c.order, m_log);
    }
    app.m_pMainWnd = nullptr;
    inner.DestroyWindow();
    outer.DestroyWindow();
}

TEST_F(FrameworkTest, DestroyingTheMainWindowEndsTheMessageLoop)
{
    TestApp app;
    auto* main = new LoggingDialog("main");
    ASSERT_TRUE(main->Create(102, nullptr));
    app.m_pMainWnd = main;
    ::PostMessageW(*main, WM_CLOSE, 0, 0);  // the dialog's default close handling does not destroy it
    ::PostMessageW(*main, WM_NULL, 0, 0);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &DestroyMainWindow);
    EXPECT_EQ(7, app.Run());
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ("app:exit", m_log.back());
    EXPECT_EQ(nullptr, main->GetSafeHwnd());
    delete main;
}

TEST_F(FrameworkTest, WorkerThreadWaitsOnANamedEventSharedByName)
{
    zep::CEvent stop(false, false, L"ZepFrameworkTestEvent");
    zep::CEvent other(false, false);
    zep::CWorkerThread worker;
    ASSERT_TRUE(worker.Start([&]() -> unsigned {
        zep::CEvent sameByName(false, false, L"ZepFrameworkTestEvent");
        return static_cast<unsigned>(10 + zep::CEvent::WaitForAny({&other, &sameByName}, 10000));
    }));
    EXPECT_FALSE(worker.Start([] { return 0u; })) << "one thread per worker object";
    EXPECT_TRUE(worker.Running());
    ASSERT_TRUE(stop.Set());
    ASSERT_TRUE(worker.Join(10000));
    EXPECT_FALSE(worker.Running());
    EXPECT_EQ(11u, worker.ExitCode());
}

TEST_F(FrameworkTest, OwnersCloseWhatTheyHoldExactlyOnce)
{
    using zep::ResourceCounter;
    using zep::ResourceKind;
    const long keys = ResourceCounter::Live(ResourceKind::RegistryKey);
    const long gdi = ResourceCounter::Live(ResourceKind::GdiObject);
    {
        zep::UniqueHkey key;
        ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.put()));
        EXPECT_EQ(keys + 1, ResourceCounter::Live(ResourceKind::RegistryKey));
        zep::UniqueHkey moved(std::move(key));
        EXPECT_FALSE(key.valid());
        EXPECT_EQ(keys + 1, ResourceCounter::Live(ResourceKind::RegistryKey));

        zep::UniqueGdiObject brush(::CreateSolidBrush(RGB(1, 2, 3)));
        HGDIOBJ raw = brush.get();
        EXPECT_EQ(OBJ_BRUSH, static_cast<int>(::GetObjectType(raw)));
        brush.reset(::CreateSolidBrush(RGB(4, 5, 6)));
        EXPECT_EQ(0u, ::GetObjectType(raw)) << "the replaced brush was not deleted";
        EXPECT_EQ(gdi + 1, ResourceCounter::Live(ResourceKind::GdiObject));
    }
    EXPECT_EQ(keys, ResourceCounter::Live(ResourceKind::RegistryKey));
    EXPECT_EQ(gdi, ResourceCounter::Live(ResourceKind::GdiObject));
}

}  // namespace
