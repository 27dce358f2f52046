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

// The dock dialog's buttons: ten tool slots, the combined button of slots 8 and 9, settings and hide.
constexpr int kFirstButton = 1000;
constexpr int kCombinedButton = 1010;
constexpr int kSettingsButton = 1011;
constexpr int kHideButton = 1012;
constexpr int kLastButton = 1012;
// Buttons of the settings panel (edges top and right, close) and of the paired card ("OK" of slots 9, 8).
constexpr int kSettingsTop = 2002;
constexpr int kSettingsRight = 2004;
constexpr int kSettingsClose = 2005;
constexpr int kCardOkFirst = 2007;
constexpr int kCardOkSecond = 2008;
constexpr int kCardHeadline = 2000;
constexpr UINT_PTR kPanelCloseTimer = 40;
constexpr WORD kDockScanCode = 0x78;

// Generous bounds for what must happen at all; none of them is a speed requirement.
constexpr DWORD kAppears = 10000;
constexpr DWORD kStarts = 30000;

struct Box {
    int x, y, w, h;
    bool operator==(const Box& other) const
    {
        return x == other.x && y == other.y && w == other.w && h == other.h;
    }
};
std::ostream& operator<<(std::ostream& out, const Box& box);
using ButtonPlaces = std::map<int, Box>;  // visible buttons: id -> place in the dock dialog's client area

// Polls every 20 ms until the condition holds or timeoutMs have passed; true when it held.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kAppears)
{
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount64() >= deadline)
            return false;
        ::Sleep(20);
    }
}
// Lets observeMs pass: the window in which something must not happen.
void Observe(DWORD observeMs);

// ---- windows ----
HWND Window(const wchar_t* title, const wchar_t* className = nullptr);
HWND Bar();
HWND Dock();
Box PlaceOf(HWND window);
int CountWindowsTitled(const wchar_t* title);
::testing::AssertionResult WindowAt(const wchar_t* title, Box want);  // waits kAppears
::testing::AssertionResult IsToolWindow(const wchar_t* title);  // no taskbar button
::testing::AssertionResult HasTaskbarButton(const wchar_t* title);
::testing::AssertionResult PairVisible(bool visible);  // bar and dock dialog
// Every one of the 13 buttons: the listed ones visible at their places, the others hidden.
::testing::AssertionResult ButtonsAt(const ButtonPlaces& visible);
::testing::AssertionResult ButtonsDisabled(bool disabled);
bool ButtonVisible(int id);
// The dock dialog's thread runs its message loop again (start-up, slides and fades block it).
::testing::AssertionResult DockIdle();
LRESULT SendToDock(UINT message, WPARAM wParam, LPARAM lParam);
// Card open, switch and close cycles through the dock's own messages: hover reports of 1003 and 1004 and the
// panel close timer, sent, so each step is over when its call returns.
void HoverCycles(int cycles);
bool Broadcast(UINT message);
bool MoveWindowTo(HWND window, int x, int y);
// Pixels of a screen region as shown (composed with the translucent windows).
std::vector<DWORD> ScreenPixels(Box region);

// ---- the description card and the settings panel: untitled dialogs of the launcher ----
struct PanelWindow {
    HWND hwnd;
    enum Kind { Card, Background, Line } kind;
};
std::vector<PanelWindow> PanelWindows();
HWND PanelCard();  // the panel dialog that carries the texts and buttons, or null
// One panel open: card and background window at `card`, the white line at `line`; waits kAppears.
::testing::AssertionResult PanelAt(Box card, Box line);
::testing::AssertionResult NoPanel();  // waits kAppears for every panel window to go
::testing::AssertionResult PanelOpen();  // waits kAppears for one panel
DWORD LayeredFlags(HWND window, BYTE* alpha = nullptr);
std::wstring TextOf(HWND window);

// ---- input ----
void PressDockKey();
void KeyEvent(WORD scanCode, bool up, bool extended);
void PressVirtualKey(WORD vk);
void PointAway();
void PointAt(HWND window);
void PointAtButton(int id);
bool PointAtPanelButton(int id);
void Click(HWND window);
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
// Starts a program; its process handle (the caller closes it), or null.
HANDLE Start(const std::wstring& commandLine);
// Waits for a process to end (bounded at two minutes) and closes its handle; its exit code, or ~0u.
DWORD ExitCodeOf(HANDLE process);
// Runs a program to its end; its exit code, or ~0u.
DWORD Run(const std::wstring& commandLine);
std::wstring StoredEdge();  // HKCU\SOFTWARE\Zephra Direction as "0x2", or "" when absent
void SetUserValue(const wchar_t* name, DWORD type, const void* data, DWORD size);
void SetMachineValue(const wchar_t* name, const std::wstring& text);  // REG_SZ under HKLM\Software\Zephra
void SetMachineRaw(const wchar_t* name, const std::wstring& textWithNuls);
void DeleteMachineValue(const wchar_t* name);
void DeleteMachineKey();
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);
std::string NoiseBytes(size_t count);

// ---- installation ----
extern const wchar_t* const kAllTools[11];
std::wstring BuildFolder();  // <build>\ with a trailing backslash
std::wstring DemoToolPath();
std::wstring OwnFolder();  // the launcher's
std::wstring AssistantFolder();
std::wstring ToolFolder(const std::wstring& tool);
std::wstring TestPackage();
std::wstring NextPackage();
// The dock from the test package (msiexec when any installed file differs or it is not registered), the
// demo tool under the names of `tools` in their folders and nowhere else, their machine values, the edge.
::testing::AssertionResult InstallDock(int edge, const std::vector<std::wstring>& tools);
std::vector<std::wstring> InstalledTestVersions();  // DisplayVersion of each installed test package

// ---- tool starts, as the demo tool records them when ZEP_TOOL_START_LOG names a file ----
struct ToolStart {
    std::string name, folder;
};
std::wstring StartLogPath();
std::vector<ToolStart> ToolStarts();
int StartsOf(const std::string& tool);

// A fresh installation (right edge, every tool unless a case asks otherwise) and a clean state per case: no
// launcher or assistant, the pointer away from bar and card; at the end every process and window of the
// dock is checked gone. The launcher runs under this program's debugger, which collects its debug strings
// and those of the assistant.
class DockTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Install(int edge = 0, const std::vector<std::wstring>& tools = {std::begin(kAllTools), std::end(kAllTools)});
    // Starts the launcher (or another program standing in for it) under the debugger.
    DebuggedProcess& StartLauncher(const std::wstring& program = std::wstring());
    // The dock dialog exists and its thread has finished start-up.
    ::testing::AssertionResult LauncherReady();
    ::testing::AssertionResult LauncherEnds(DWORD timeoutMs = kStarts);
    // WM_CLOSE to the dock dialog; the launcher ends.
    ::testing::AssertionResult CloseLauncher();
    // The dock key, then the bar at its shown place and the launcher idle.
    ::testing::AssertionResult Reveal(Box shownBar);
    // A debug string of the latest launcher or its assistant, exactly this text; waits kAppears.
    ::testing::AssertionResult DebugString(const std::string& text, const DebuggedProcess* from = nullptr);
    bool SawDebugString(const std::string& text, const DebuggedProcess* from = nullptr) const;
    // No exception was raised in the launcher or the assistant (debug strings apart).
    ::testing::AssertionResult NoExceptions(const DebuggedProcess& process) const;

    std::vector<std::unique_ptr<DebuggedProcess>> m_launchers;
};

// Puts an environment variable in place for the processes started meanwhile.
class ScopedEnvironment {
public:
    ScopedEnvironment(const wchar_t* name, const std::wstring& value);
    ~ScopedEnvironment();

private:
    const wchar_t* m_name;
};

}  // namespace zep::e2e
