// The commands' Windows side: a launch request reaching the 32-bit assistant's window through the
// non-x64 path, and the settings panel's buttons and setting-change handling.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "SkinWindowProbe.h"
#include "launcher/settings/SettingDlg.h"
#include "launcher/tools/ToolCommand.h"
#include "launcher/tools/Win32ToolSystem.h"
#include "shared/ZepShared.h"

namespace {

// A window of the given class and title that keeps the messages a test waits for.
class MessageSink {
public:
    MessageSink(const wchar_t* className, const wchar_t* title)
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &MessageSink::Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = className;
        ::RegisterClassW(&wc);
        m_hwnd = ::CreateWindowExW(0, className, title, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
        ::SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~MessageSink() { ::DestroyWindow(m_hwnd); }
    operator HWND() const { return m_hwnd; }

    std::vector<MSG> messages;
    std::string copied;  // bytes of the last WM_COPYDATA
    ULONG_PTR copyCode = 0;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<MessageSink*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && message == WM_COPYDATA) {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            self->copyCode = data->dwData;
            self->copied.assign(static_cast<const char*>(data->lpData), data->cbData);
            return 0;
        }
        if (self && (message == WM_DIRECTION_CHANGE || message == WM_SETTING_CLOSE))
            self->messages.push_back(MSG{hwnd, message, wParam, lParam, 0, {}});
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND m_hwnd;
};

// The launcher's system seam on a Windows that is not x64.
class NotX64System : public zep::CWin32ToolSystem {
public:
    bool IsX64Windows() override { return false; }
};

TEST(ToolCommandsWinTest, LaunchRequestReachesTheAssistantWindowWhole)
{
    zep::LaunchEntry entries[zep::kToolSlots] = {};
    std::wmemset(entries[5].szPath, L'#', zep::kPathChars);  // nothing after a terminator may go out
    std::wmemset(entries[5].szExeName, L'#', zep::kNameChars);
    std::wcscpy(entries[5].szPath, L"C:\\Program Files\\Zephra\\Tools\\ZepTouch\\");
    std::wcscpy(entries[5].szExeName, L"ZepTouch.exe");
    NotX64System system;
    {
        MessageSink assistant(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT32_TITLE);
        zep::RunToolCommand(zep::ToolCommandFor(1005), entries, system);
        EXPECT_EQ(2031u, assistant.copyCode);
        ASSERT_EQ(620u, assistant.copied.size());
        zep::LaunchEntry expected{};
        std::wcscpy(expected.szPath, L"C:\\Program Files\\Zephra\\Tools\\ZepTouch\\");
        std::wcscpy(expected.szExeName, L"ZepTouch.exe");
        EXPECT_EQ(0, std::memcmp(assistant.copied.data(), &expected, sizeof(expected)));
    }
    EXPECT_FALSE(system.SendLaunchRequest(2030, "", 0));  // no assistant window any more
}

TEST(ToolCommandsWinTest, SettingsPanelButtonsTellTheDock)
{
    probe::SetStoredDirection(0);
    MessageSink dock(L"ZepDockProbe", L"");
    zep::CSettingDlg panel;
    panel.m_hOwnerWnd = dock;
    panel.m_ptSetting = POINT{750, 452};
    ASSERT_TRUE(panel.m_pPngDlg->LoadPicture(300));
    ASSERT_TRUE(panel.m_pPngDlg->Create(IDD_PNG_DIALOG));
    ASSERT_TRUE(panel.Create(IDD_SETTING_DIALOG, *panel.m_pPngDlg));
    const RECT place = probe::WindowRect(panel);
    EXPECT_EQ(750, place.left);
    EXPECT_EQ(452, place.top);
    EXPECT_FALSE(panel.m_pPngDlg->m_bDragEnabled);

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
    ::SetLayeredWindowAttributes(panel, panel.m_crKey, 120, LWA_COLORKEY | LWA_ALPHA);
    ::SendMessageW(panel, WM_SETTINGCHANGE, 0, 0);
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(panel, nullptr, nullptr, &flags));
    EXPECT_EQ(static_cast<DWORD>(LWA_COLORKEY), flags);
    panel.DestroyWindow();
}

}  // namespace
