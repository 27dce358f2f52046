#pragma once

// Helpers of the end-to-end scenarios: the installed launcher, assistant and hook library, run under Wine in
// the build's prefix and looked at and poked from this test program, through the calls any other Windows
// program would make (windows, messages, pointer and key input, registry, named objects, processes).

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "DebuggedProcess.h"
#include "shared/ZepShared.h"

namespace zep::e2e {

using zep::test::DebuggedProcess;
using ::testing::AssertionResult;

// The dock dialog's buttons: ten tool slots, the combined button of slots 8 and 9, settings and hide.
constexpr int kFirstButton = 1000, kCombinedButton = 1010, kSettingsButton = 1011, kHideButton = 1012;
constexpr int kLastButton = 1012;
// Buttons of the settings panel (edges top and right, close) and of the paired card ("OK" of slots 9, 8).
constexpr int kSettingsTop = 2002, kSettingsRight = 2004, kSettingsClose = 2005;
constexpr int kCardOkFirst = 2007, kCardOkSecond = 2008, kCardHeadline = 2000;
constexpr UINT_PTR kPanelCloseTimer = 40;
constexpr WORD kDockScanCode = 0x78;
const wchar_t* const kBarTitle = ZEP_BAR_WINDOW_TITLE;
const wchar_t* const kDockTitle = ZEP_DOCK_WINDOW_TITLE;
extern const wchar_t* const kAllTools[11];

// Generous bounds for what must happen at all; none of them is a speed requirement.
constexpr DWORD kAppears = 10000, kStarts = 30000;

struct Box {
    int x, y, w, h;
    bool operator==(const Box& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};
std::ostream& operator<<(std::ostream& out, const Box& box);
using ButtonPlaces = std::map<int, Box>;  // visible buttons: id -> place in the dock dialog's client area
const Box kParkedRight = {1920, 20, 133, 1040}, kShownRight = {1798, 20, 133, 1040};

// Polls every 20 ms until the condition holds or timeoutMs have passed; true when it held.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kAppears)
{
    for (const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;; ::Sleep(20)) {
        if (condition()) return true;
        if (::GetTickCount64() >= deadline) return false;
    }
}
// Lets observeMs pass: the window in which something must not happen.
inline void Observe(DWORD observeMs) { ::Sleep(observeMs); }

// Names the rows of a case table in test names.
struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const { return info.param.name; }
};

// ---- windows ----
HWND Window(const wchar_t* title, const wchar_t* className = nullptr);
inline HWND Bar() { return Window(kBarTitle); }
inline HWND Dock() { return Window(kDockTitle); }
inline HWND Assistant() { return Window(ZEP_ASSISTANT64_TITLE, ZEP_ASSISTANT_CLASS); }
Box PlaceOf(HWND window);
std::wstring TextOf(HWND window);
int CountWindowsTitled(const wchar_t* title);
int CountWindowsOf(const wchar_t* exeName);  // top-level, hidden ones included
AssertionResult WindowAt(const wchar_t* title, Box want);  // waits kAppears
AssertionResult IsToolWindow(const wchar_t* title, bool tool = true);  // no taskbar button (or one)
AssertionResult PairVisible(bool visible);  // bar and dock dialog
// Every one of the 13 buttons: the listed ones visible at their places, the others hidden.
AssertionResult ButtonsAt(const ButtonPlaces& visible);
AssertionResult ButtonsDisabled(bool disabled);
bool ButtonVisible(int id);
// The dock dialog's thread runs its message loop again (slides and fades block it).
AssertionResult DockIdle();
LRESULT SendToDock(UINT message, WPARAM wParam, LPARAM lParam);
// Card open, switch and close cycles through the dock's own messages: hover reports of 1003 and 1004 and the
// panel close timer, sent, so each step is over when its call returns.
void HoverCycles(int cycles);
bool Broadcast(UINT message);
// Pixels of a screen region as shown (composed with the translucent windows).
std::vector<DWORD> ScreenPixels(Box region);

// ---- the description card and the settings panel: untitled dialogs of the launcher ----
HWND PanelCard();  // the panel dialog that carries the texts and buttons, or null
int PanelWindowCount();
// One panel open: card and background window at `card`, the white line at `line`; waits kAppears.
AssertionResult PanelAt(Box card, Box line);
AssertionResult PanelOpen();  // waits kAppears for one card, its background window and line
AssertionResult NoPanel();  // waits kAppears for every panel window to go
DWORD LayeredFlags(HWND window, BYTE* alpha = nullptr);

// ---- input ----
// The dock key (scan code 0x78, extended, pressed and released), once the launcher's keyboard hook saw it.
void PressDockKey();
// The same, not waiting for the launcher: for keys that must reach it while it slides.
void SendDockKey();
void KeyEvent(WORD scanCode, bool up, bool extended);
void PressVirtualKey(WORD vk);
void PointAway();
void PointAt(HWND window);
void PointAtButton(int id);
bool PointAtPanelButton(int id);
void ClickButton(int id);
bool ClickPanelButton(int id);
// Clicks a dock button with a second low-level keyboard hook installed: the key events seen until `expected`
// came and half a second after, as "scan=0x76 up=1" each.
std::vector<std::string> KeysSentByClicking(int id, size_t expected);

// ---- processes, kernel objects, registry, files ----
std::vector<DWORD> ProcessesNamed(const wchar_t* exeName);
bool NoProcessNamed(const wchar_t* exeName, DWORD timeoutMs = kAppears);
void KillProcessesNamed(const wchar_t* exeName);
bool InstanceMutexFree();
bool SetNamedEvent(const wchar_t* name);
// The process handle (the caller closes it), or null; `output` (inheritable) takes its standard output.
HANDLE Start(const std::wstring& commandLine, HANDLE output = nullptr);
DWORD ExitCodeOf(HANDLE process);  // waits (two minutes at most) and closes the handle; ~0u when none
inline DWORD Run(const std::wstring& commandLine) { return ExitCodeOf(Start(commandLine)); }
std::wstring StoredEdge();  // HKCU\SOFTWARE\Zephra Direction as "0x2", or "" when absent
void SetUserValue(const wchar_t* name, DWORD type, const void* data, DWORD size);
void SetMachineValue(const wchar_t* name, const std::wstring& text);  // REG_SZ under HKLM\Software\Zephra
void DeleteMachineValue(const wchar_t* name);
void DeleteMachineKey();
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);
std::string NoiseBytes(size_t count);

// ---- installation ----
std::wstring BuildFolder();  // <build>\ with a trailing backslash
std::wstring DemoToolPath();
const std::wstring kOwnFolder = L"C:\\Program Files\\Zephra\\Zephra3\\";  // the launcher's
const std::wstring kAssistantFolder = L"C:\\Program Files (x86)\\Zephra\\Zephra3\\";  // the installed assistant
inline std::wstring ToolFolder(const std::wstring& tool) { return L"C:\\Program Files\\Zephra\\Tools\\" + tool; }
std::wstring TestPackage();
std::wstring NextPackage();
// The dock from the test package (msiexec when any installed file differs or it is not registered), the
// demo tool under the names of `tools` in their folders and nowhere else, their machine values, the edge.
AssertionResult InstallDock(int edge, const std::vector<std::wstring>& tools);
std::vector<std::wstring> InstalledTestVersions();  // DisplayVersion of each installed test package

// ---- tool starts, as the demo tool records them when ZEP_TOOL_START_LOG names a file ----
struct ToolStart {
    std::string name, folder;
};
const std::wstring kStartLog = L"C:\\ZepToolStarts.log";
std::vector<ToolStart> ToolStarts();
int StartsOf(const std::string& tool);

// A fresh installation (right edge, every tool unless a case asks otherwise) and a clean state per case: no
// launcher or assistant, the pointer away from bar and card. At the end the launcher is closed if it still
// runs, and it must end, and every process and window of the dock is checked gone. The launcher runs under
// this program's debugger, which collects its debug strings and those of the assistant.
class DockTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Install(int edge = 0, const std::vector<std::wstring>& tools = {std::begin(kAllTools), std::end(kAllTools)});
    // Starts the launcher (or another program standing in for it) under the debugger.
    DebuggedProcess& StartLauncher(const std::wstring& program = kOwnFolder + L"Zephra3.exe");
    // The dock dialog exists and the launcher has finished start-up.
    AssertionResult LauncherReady();
    AssertionResult Launch()
    {
        StartLauncher();
        return LauncherReady();
    }
    AssertionResult LauncherEnds();
    // WM_CLOSE to the dock dialog; the launcher ends.
    AssertionResult CloseLauncher();
    // The dock key, then the bar at its shown place and the launcher idle.
    AssertionResult Reveal(Box shownBar);
    // A debug string of the latest launcher or its assistant, exactly this text; waits kAppears.
    AssertionResult DebugString(const std::string& text, const DebuggedProcess* from = nullptr);
    bool SawDebugString(const std::string& text, const DebuggedProcess* from = nullptr) const;
    // No exception was raised in the launcher or its assistant.
    AssertionResult NoExceptions(const DebuggedProcess& process) const;

    std::vector<std::unique_ptr<DebuggedProcess>> m_launchers;
};

// Puts an environment variable in place for the processes started meanwhile.
class ScopedEnvironment {
public:
    ScopedEnvironment(const wchar_t* name, const std::wstring& value) : m_name(name) { ::SetEnvironmentVariableW(name, value.c_str()); }
    ~ScopedEnvironment() { ::SetEnvironmentVariableW(m_name, nullptr); }

private:
    const wchar_t* m_name;
};

}  // namespace zep::e2e
