#pragma once

// Helpers of the end-to-end scenarios: the installed launcher, assistant and hook library, run under Wine in
// the build's prefix, looked at and poked through the calls any other Windows program would make.

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
using zep::test::DebugOptions;
using ::testing::AssertionResult;

// Dock buttons: ten tool slots, the combined button of slots 8 and 9, settings, hide. Settings panel: top,
// right, close. Paired card: the "OK" buttons of slots 9 and 8, the headline.
constexpr int kFirstButton = 1000, kCombinedButton = 1010, kSettingsButton = 1011, kHideButton = 1012;
constexpr int kSettingsTop = 2002, kSettingsRight = 2004, kSettingsClose = 2005;
constexpr int kCardOkFirst = 2007, kCardOkSecond = 2008, kCardHeadline = 2000;
constexpr UINT_PTR kPanelCloseTimer = 40;
constexpr WORD kDockScanCode = 0x78;
const wchar_t* const kBarTitle = ZEP_BAR_WINDOW_TITLE;
const wchar_t* const kDockTitle = ZEP_DOCK_WINDOW_TITLE;
extern const wchar_t* const kAllTools[11];
constexpr DWORD kAppears = 10000, kStarts = 30000;  // bounds for what must happen at all, not speeds

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
inline void Observe(DWORD observeMs) { ::Sleep(observeMs); }  // the time in which something must not happen

struct RowName {  // names the rows of a case table in test names
    template <typename Row> std::string operator()(const ::testing::TestParamInfo<Row>& info) const { return info.param.name; }
};

// ---- windows; the waiting checks wait kAppears ----
inline HWND Window(const wchar_t* title) { return ::FindWindowW(nullptr, title); }
inline HWND Bar() { return Window(kBarTitle); }
inline HWND Dock() { return Window(kDockTitle); }
inline HWND Assistant() { return ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT64_TITLE); }
Box PlaceOf(HWND window);
std::wstring TextOf(HWND window);
int CountWindowsTitled(const wchar_t* title);
int CountWindowsOf(const wchar_t* exeName);  // top-level, hidden ones included
AssertionResult WindowAt(const wchar_t* title, Box want);
AssertionResult IsToolWindow(const wchar_t* title, bool tool = true);  // no taskbar button (or one)
AssertionResult PairVisible(bool visible);                           // bar and dock dialog
AssertionResult ButtonsAt(const ButtonPlaces& visible);  // all 13: the listed ones there, the others hidden
AssertionResult ButtonsDisabled(bool disabled);
bool ButtonVisible(int id);
AssertionResult DockIdle();  // the dock's thread runs its message loop again (slides and fades block it)
LRESULT SendToDock(UINT message, WPARAM wParam, LPARAM lParam);
// Card open, switch and close cycles: hover reports of 1003 and 1004 and the panel close timer, sent.
void HoverCycles(int cycles);
bool Broadcast(UINT message);
std::vector<DWORD> ScreenPixels(Box region);  // as shown, composed with the translucent windows

// ---- the card and the settings panel: untitled dialogs of the launcher (card, background, line) ----
HWND PanelCard();
int PanelWindowCount();
AssertionResult PanelAt(Box card, Box line);  // one panel: card and background at `card`, the line at `line`
AssertionResult PanelOpen();
AssertionResult NoPanel();
DWORD LayeredFlags(HWND window, BYTE* alpha = nullptr);

// ---- input ----
void PressDockKey();  // the dock key, once the launcher's keyboard hook saw it
void SendDockKey();   // the same without waiting: for keys that must come while it slides
void KeyEvent(WORD scanCode, bool up, bool extended);
void PressVirtualKey(WORD vk);
void MovePointer(int x, int y);                // as a mouse moves it: the window under it hears of it
// The screen's middle, where neither bar nor card lies.
inline void PointAway() { MovePointer(::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2); }
void PointAtButton(int id);
bool PointAtPanelButton(int id);
void ClickButton(int id);
bool ClickPanelButton(int id);
// Clicks a dock button with a low-level keyboard hook of this program's: the events seen until `expected`
// came and half a second after, as "scan=0x76 up=1" each.
std::vector<std::string> KeysSentByClicking(int id, size_t expected);

// ---- processes, kernel objects, registry, files ----
std::vector<DWORD> ProcessesNamed(const wchar_t* exeName);
inline bool NoProcessNamed(const wchar_t* exeName, DWORD timeoutMs = kAppears)
{
    return WaitUntil([&] { return ProcessesNamed(exeName).empty(); }, timeoutMs);
}
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
inline void DeleteMachineKey() { ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Zephra"); }
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);
std::string NoiseBytes(size_t count);

// ---- installation ----
std::wstring BuildFolder();  // <build>\ with a trailing backslash
const std::wstring kOwnFolder = L"C:\\Program Files\\Zephra\\Zephra3\\";                 // the launcher's
const std::wstring kAssistantFolder = L"C:\\Program Files (x86)\\Zephra\\Zephra3\\";     // the assistant's
inline std::wstring ToolFolder(const std::wstring& tool) { return L"C:\\Program Files\\Zephra\\Tools\\" + tool; }
std::wstring TestPackage(int patchesAhead = 0);  // 1: the next version's package
std::vector<std::wstring> InstalledTestVersions();  // DisplayVersion of each installed test package

// ---- tool starts, as the demo tool records them when ZEP_TOOL_START_LOG names a file ----
struct ToolStart {
    std::string name, folder;
};
const std::wstring kStartLog = L"C:\\ZepToolStarts.log";
std::vector<ToolStart> ToolStarts();
int StartsOf(const std::string& tool);

// Per case a fresh installation (right edge, every tool unless it asks otherwise) and no launcher, assistant or
// pointer on the dock; at the end every process and window of the dock must be gone. Launchers run under this
// program's debugger, which collects their and their assistants' debug strings.
class DockTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Install(int edge = 0, const std::vector<std::wstring>& tools = {std::begin(kAllTools), std::end(kAllTools)});
    // killAt: a debug string of the launcher's at which it is killed, as if it crashed there.
    DebuggedProcess& StartLauncher(const std::wstring& program = kOwnFolder + L"Zephra3.exe",
                                   const std::string& killAt = std::string());
    AssertionResult LauncherReady();  // the dock dialog exists and start-up is over
    AssertionResult Launch()
    {
        StartLauncher();
        return LauncherReady();
    }
    AssertionResult LauncherEnds();
    AssertionResult CloseLauncher();       // WM_CLOSE to the dock dialog; the launcher ends
    AssertionResult Reveal(Box shownBar);  // the dock key, then the bar at its shown place and the launcher idle
    // A debug string, exactly this text, of the latest launcher or its assistant (waits kAppears) or of `from`.
    AssertionResult DebugString(const std::string& text, const DebuggedProcess* from = nullptr);
    AssertionResult NoExceptions(const DebuggedProcess& process) const;

    std::vector<std::unique_ptr<DebuggedProcess>> m_launchers;
};

}  // namespace zep::e2e
