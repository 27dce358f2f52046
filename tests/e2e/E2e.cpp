#include "E2e.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "TestProgramStart.h"
#include "ZepVersion.h"

namespace zep::e2e {

using ::testing::AssertionFailure;
using ::testing::AssertionSuccess;

const wchar_t* const kAllTools[11] = {L"ZepBright", L"ZepSaver", L"ZepAir",   L"ZepMix",  L"ZepCam",     L"ZepTouch",
                                      L"ZepGlow",   L"ZepSnap",  L"ZepShare", L"ZepCast", L"ZepGlowLite"};

namespace {

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text) out.push_back(c < 128 ? static_cast<char>(c) : '?');
    return out;
}
std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }
std::string Hex(DWORD value) { return (std::ostringstream() << "0x" << std::hex << value).str(); }
DWORD ProcessOf(HWND window)
{
    DWORD pid = 0;
    return ::GetWindowThreadProcessId(window, &pid), pid;
}

template <typename Predicate>
int CountTopLevel(Predicate predicate)
{
    int count = 0;
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) count += predicate(w) ? 1 : 0;
    return count;
}
HWND DockButton(int id) { return Dock() ? ::GetDlgItem(Dock(), id) : nullptr; }
AssertionResult Listed(const std::ostringstream& wrong, const char* what)
{
    if (wrong.str().empty()) return AssertionSuccess();
    return AssertionFailure() << what << wrong.str();
}
void SetValue(HKEY root, const wchar_t* path, const wchar_t* name, DWORD type, const void* data, DWORD size)
{
    EXPECT_EQ(ERROR_SUCCESS, ::RegSetKeyValueW(root, path, name, type, data, size)) << Narrow(path) << " " << Narrow(name);
}

// Installed test packages: product code and DisplayVersion.
std::vector<std::pair<std::wstring, std::wstring>> InstalledTestPackages()
{
    std::vector<std::pair<std::wstring, std::wstring>> found;
    HKEY uninstall = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", 0, KEY_READ,
                        &uninstall) != ERROR_SUCCESS)
        return found;
    wchar_t code[256];
    for (DWORD i = 0, n = 256; ::RegEnumKeyExW(uninstall, i, code, &n, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, n = 256) {
        wchar_t name[256] = {}, version[64] = {};
        DWORD nameSize = sizeof(name), versionSize = sizeof(version);
        ::RegGetValueW(uninstall, code, L"DisplayName", RRF_RT_REG_SZ, nullptr, name, &nameSize);
        ::RegGetValueW(uninstall, code, L"DisplayVersion", RRF_RT_REG_SZ, nullptr, version, &versionSize);
        if (std::wstring(name) == L"Zephra3 (64-bit test build)") found.push_back({code, version});
    }
    ::RegCloseKey(uninstall);
    return found;
}

// The test package's files, as staged beside it, are installed and it is registered.
bool DockIntact()
{
    const std::wstring stage = TestPackage() + L".stage\\";
    const std::pair<const wchar_t*, std::wstring> files[] = {
        {L"Zephra3.exe", kOwnFolder + L"Zephra3.exe"},          {L"launcher\\ZepHook64.dll", kOwnFolder + L"ZepHook64.dll"},
        {L"LaunchInfo.ini", kOwnFolder + L"LaunchInfo.ini"},    {L"Help.mht", kOwnFolder + L"Help.mht"},
        {L"ZepAssistant64.exe", kAssistantFolder + L"ZepAssistant64.exe"},
        {L"ZepHook64.dll", kAssistantFolder + L"ZepHook64.dll"}};
    for (const auto& file : files) {
        const std::string staged = ReadFileBytes(stage + file.first);
        if (staged.empty() || staged != ReadFileBytes(file.second)) return false;
    }
    const std::vector<std::wstring> versions = InstalledTestVersions();
    return std::count(versions.begin(), versions.end(), Wide(ZEP_VERSION_TEXT)) != 0;
}

// The launcher's untitled dialogs: the card (it has children), its background window, the line (17 wide).
enum PanelKind { Card, Background, Line };
std::vector<std::pair<HWND, PanelKind>> PanelWindows()
{
    std::vector<std::pair<HWND, PanelKind>> found;
    const DWORD launcher = Dock() ? ProcessOf(Dock()) : 0;
    CountTopLevel([&](HWND w) {
        wchar_t className[64] = {};
        ::GetClassNameW(w, className, 64);
        if (!launcher || ProcessOf(w) != launcher || std::wstring(className) != L"#32770" || !TextOf(w).empty())
            return false;
        const Box place = PlaceOf(w);
        found.push_back({w, ::GetWindow(w, GW_CHILD) ? Card : (place.w == 17 || place.h == 17) ? Line : Background});
        return true;
    });
    return found;
}

// Waits until the panel windows satisfy `wanted`; on failure says `want` and what there is.
template <typename Wanted>
AssertionResult PanelsUntil(Wanted wanted, const std::string& want)
{
    std::vector<std::pair<HWND, PanelKind>> windows;
    if (WaitUntil([&] { return wanted(windows = PanelWindows()); })) return AssertionSuccess();
    auto failure = AssertionFailure() << want << "; " << windows.size() << " panel windows:";
    for (const auto& w : windows) failure << " " << PlaceOf(w.first) << (w.second == Card ? " (card);" : ";");
    return failure;
}
bool OnePanel(const std::vector<std::pair<HWND, PanelKind>>& windows)
{
    return windows.size() == 3 && std::count_if(windows.begin(), windows.end(), [](const auto& w) { return w.second == Card; }) == 1;
}
HWND PanelChild(int id, bool card = false)  // a button of a panel, or with `card` the card itself
{
    for (const auto& w : PanelWindows()) {
        if (HWND found = card ? (w.second == Card ? w.first : nullptr) : ::GetDlgItem(w.first, id)) return found;
    }
    return nullptr;
}
void SendKeys(std::vector<std::pair<WORD, DWORD>> keys, bool virtualKey = false)  // (scan code or vk, flags)
{
    std::vector<INPUT> inputs(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        (virtualKey ? inputs[i].ki.wVk : inputs[i].ki.wScan) = keys[i].first;
        inputs[i].ki.dwFlags = keys[i].second;
    }
    ASSERT_EQ(inputs.size(), ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)));
}
bool PointAt(HWND window, bool click = false)
{
    const Box place = PlaceOf(window);
    if (window) MovePointer(place.x + place.w / 2, place.y + place.h / 2);
    if (!window || !click) return window != nullptr;
    ::Sleep(50);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return ::SendInput(2, inputs, sizeof(INPUT)) == 2;
}

std::vector<std::string> g_keysSeen;

LRESULT CALLBACK WatchKeys(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        g_keysSeen.push_back("scan=" + Hex(key->scanCode) + " up=" + ((key->flags & LLKHF_UP) ? "1" : "0"));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void MovePointer(int x, int y)
{
    // A mouse's own move, as the pointer's: under Wine the move SetCursorPos makes now and then reaches no
    // window (the button under it never hears of the pointer), one through the input queue always does.
    // Absolute input counts 65,536 steps across the primary screen; the step chosen falls in pixel (x, y).
    INPUT move = {};
    move.type = INPUT_MOUSE;
    move.mi.dx = (x * 65536 + 65535) / ::GetSystemMetrics(SM_CXSCREEN);
    move.mi.dy = (y * 65536 + 65535) / ::GetSystemMetrics(SM_CYSCREEN);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    EXPECT_EQ(1u, ::SendInput(1, &move, sizeof(move)));
    // SendInput returns before the move is made: under load Wine reports the old place for some 30 ms.
    POINT at = {};
    EXPECT_TRUE(WaitUntil([&] { return ::GetCursorPos(&at) && at.x == x && at.y == y; }))
        << "pointer at " << at.x << ", " << at.y << ", not " << x << ", " << y;
}

std::ostream& operator<<(std::ostream& out, const Box& box)
{
    return out << "(" << box.x << ", " << box.y << ") size " << box.w << " x " << box.h;
}

// ---- windows ----

Box PlaceOf(HWND window)
{
    RECT rc = {};
    ::GetWindowRect(window, &rc);
    return {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}
std::wstring TextOf(HWND window)
{
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);  // another process's window: the stored text, no message sent
    return text;
}
int CountWindowsTitled(const wchar_t* title) { return CountTopLevel([&](HWND w) { return TextOf(w) == title; }); }
int CountWindowsOf(const wchar_t* exeName)
{
    const std::vector<DWORD> ids = ProcessesNamed(exeName);
    return CountTopLevel([&](HWND w) { return std::count(ids.begin(), ids.end(), ProcessOf(w)) != 0; });
}
AssertionResult WindowAt(const wchar_t* title, Box want)
{
    HWND window = nullptr;
    if (WaitUntil([&] { return (window = Window(title)) != nullptr && PlaceOf(window) == want; })) return AssertionSuccess();
    if (!window) return AssertionFailure() << "no window \"" << Narrow(title) << "\"";
    return AssertionFailure() << "\"" << Narrow(title) << "\" at " << PlaceOf(window) << ", want " << want;
}
AssertionResult IsToolWindow(const wchar_t* title, bool tool)
{
    HWND window = Window(title);
    const DWORD exStyle = window ? static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE)) : 0;
    const DWORD set = tool ? WS_EX_TOOLWINDOW : WS_EX_APPWINDOW, clear = tool ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    if (window && (exStyle & set) && !(exStyle & clear)) return AssertionSuccess();
    return AssertionFailure() << "\"" << Narrow(title) << "\" extended style " << Hex(exStyle) << ": want " << Hex(set)
                              << " set, " << Hex(clear) << " clear";
}
AssertionResult PairVisible(bool visible)
{
    for (HWND window : {Bar(), Dock()}) {
        if (!window || (::IsWindowVisible(window) != FALSE) != visible)
            return AssertionFailure() << "\"" << Narrow(TextOf(window)) << "\" visible " << !visible;
    }
    return AssertionSuccess();
}
bool ButtonVisible(int id) { return DockButton(id) && (::GetWindowLongPtrW(DockButton(id), GWL_STYLE) & WS_VISIBLE); }

AssertionResult ButtonsAt(const ButtonPlaces& visible)
{
    std::ostringstream wrong;
    for (int id = kFirstButton; id <= kHideButton; ++id) {
        HWND button = DockButton(id);
        POINT origin = {0, 0};
        ::ClientToScreen(Dock(), &origin);
        const Box screen = PlaceOf(button), place = {screen.x - origin.x, screen.y - origin.y, screen.w, screen.h};
        const auto want = visible.find(id);
        if (!button)
            wrong << " button " << id << " missing;";
        else if (want == visible.end() && ButtonVisible(id))
            wrong << " button " << id << " visible at " << place << ", want hidden;";
        else if (want != visible.end() && (!ButtonVisible(id) || !(place == want->second)))
            wrong << " button " << id << (ButtonVisible(id) ? " at " : " hidden, at ") << place << ", want " << want->second << ";";
    }
    return Listed(wrong, "");
}
AssertionResult ButtonsDisabled(bool disabled)
{
    std::ostringstream wrong;
    for (int id = kFirstButton; id <= kHideButton; ++id) {
        HWND button = DockButton(id);
        if (!button || ((::GetWindowLongPtrW(button, GWL_STYLE) & WS_DISABLED) != 0) != disabled) wrong << " " << id;
    }
    return Listed(wrong, disabled ? "buttons not disabled:" : "buttons not enabled:");
}
AssertionResult DockIdle()
{
    DWORD_PTR result = 0;
    if (Dock() && ::SendMessageTimeoutW(Dock(), WM_NULL, 0, 0, SMTO_NORMAL, kStarts, &result)) return AssertionSuccess();
    return AssertionFailure() << (Dock() ? "the dock dialog does not answer" : "no dock dialog");
}
LRESULT SendToDock(UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    HWND dock = Dock();
    if (!dock || !::SendMessageTimeoutW(dock, message, wParam, lParam, SMTO_NORMAL, kStarts, &result))
        ADD_FAILURE() << "message " << message << " not handled by the dock dialog";
    return static_cast<LRESULT>(result);
}
void HoverCycles(int cycles)
{
    const std::pair<WPARAM, LPARAM> reports[] = {{1003, 1}, {1003, 0}, {1003, 1}, {1004, 0}, {1004, 1}};
    for (int cycle = 0; cycle < cycles; ++cycle) {
        for (const auto& report : reports) SendToDock(WM_BUTTON_HOVER, report.first, report.second);
        SendToDock(WM_TIMER, kPanelCloseTimer, 0);
    }
}
bool Broadcast(UINT message)
{
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, kAppears, &result) != 0;
}
std::vector<DWORD> ScreenPixels(Box region)
{
    HDC screen = ::GetDC(nullptr), memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), region.w, -region.h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, region.w, region.h, screen, region.x, region.y, SRCCOPY);
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + region.w * region.h);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// ---- panels ----

HWND PanelCard() { return PanelChild(0, true); }
int PanelWindowCount() { return static_cast<int>(PanelWindows().size()); }
AssertionResult PanelAt(Box card, Box line)
{
    std::ostringstream want;
    want << "want card " << card << ", line " << line;
    return PanelsUntil(
        [&](const auto& windows) {
            return OnePanel(windows) && std::all_of(windows.begin(), windows.end(), [&](const auto& w) {
                       return PlaceOf(w.first) == (w.second == Line ? line : card);
                   });
        },
        want.str());
}
AssertionResult PanelOpen() { return PanelsUntil(OnePanel, "no panel"); }
AssertionResult NoPanel() { return PanelsUntil([](const auto& windows) { return windows.empty(); }, "a panel is open"); }
DWORD LayeredFlags(HWND window, BYTE* alpha)
{
    BYTE ownAlpha = 0;
    DWORD flags = 0;
    ::GetLayeredWindowAttributes(window, nullptr, alpha ? alpha : &ownAlpha, &flags);
    return flags;
}

// ---- input ----

void SendDockKey()
{
    const DWORD flags = KEYEVENTF_SCANCODE | KEYEVENTF_EXTENDEDKEY;
    SendKeys({{kDockScanCode, flags}, {kDockScanCode, flags | KEYEVENTF_KEYUP}});
}
void PressDockKey()
{
    // Under Wine a key sent while the debugged launcher stops at a debug event can pass by its keyboard hook;
    // the launcher's own count of hook calls (WM_QUERY_TIMING, work 0, count) then stays put. Only such a key,
    // one the launcher never saw, is sent again.
    const auto hookCalls = [] { return SendToDock(WM_QUERY_TIMING, 0, 0); };
    for (int attempt = 0; attempt < 3; ++attempt) {
        const LRESULT before = hookCalls();
        SendDockKey();
        if (WaitUntil([&] { return hookCalls() >= before + 2; }, 2000)) return;
        std::cout << "the dock key did not reach the launcher's keyboard hook; sent again\n";
    }
    ADD_FAILURE() << "the dock key never reached the launcher's keyboard hook";
}
void KeyEvent(WORD scanCode, bool up, bool extended)
{
    SendKeys({{scanCode, KEYEVENTF_SCANCODE | (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0)}});
}
void PressVirtualKey(WORD vk) { SendKeys({{vk, 0}, {vk, KEYEVENTF_KEYUP}}, true); }
void PointAtButton(int id) { EXPECT_TRUE(PointAt(DockButton(id))) << "no button " << id; }
bool PointAtPanelButton(int id) { return PointAt(PanelChild(id)); }
void ClickButton(int id) { EXPECT_TRUE(PointAt(DockButton(id), true)) << "no button " << id; }
bool ClickPanelButton(int id) { return PointAt(PanelChild(id), true); }
std::vector<std::string> KeysSentByClicking(int id, size_t expected)
{
    g_keysSeen.clear();
    HHOOK hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, WatchKeys, ::GetModuleHandleW(nullptr), 0);
    EXPECT_TRUE(hook);
    // The hook is called through this thread's message queue, pumped until the expected events came and for
    // half a second more, in which no other may come. It is pumped once before the click, too: the system
    // skips the low-level hook of a thread that has not read its queue for 5 s, as a hung one.
    const auto pumped = [](DWORD ms) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
        return false;
    };
    pumped(0);
    ClickButton(id);
    WaitUntil([&] { return pumped(20) || g_keysSeen.size() >= expected; });
    const ULONGLONG end = ::GetTickCount64() + 500;
    WaitUntil([&] { return pumped(20) || ::GetTickCount64() >= end; });
    ::UnhookWindowsHookEx(hook);
    return g_keysSeen;
}

// ---- processes, kernel objects, registry, files ----

std::vector<DWORD> ProcessesNamed(const wchar_t* exeName)
{
    std::vector<DWORD> ids;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, exeName) == 0) ids.push_back(entry.th32ProcessID);
    }
    ::CloseHandle(snapshot);
    return ids;
}
void KillProcessesNamed(const wchar_t* exeName)
{
    for (DWORD id : ProcessesNamed(exeName)) {
        HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (process && ::TerminateProcess(process, 1)) ::WaitForSingleObject(process, 5000);
        if (process) ::CloseHandle(process);
    }
}
bool InstanceMutexFree()
{
    HANDLE mutex = ::OpenMutexW(SYNCHRONIZE, FALSE, ZEP_INSTANCE_MUTEX);
    return !mutex || (::CloseHandle(mutex), false);
}
bool SetNamedEvent(const wchar_t* name)
{
    HANDLE event = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
    return event && (::SetEvent(event) & ::CloseHandle(event));
}
HANDLE Start(const std::wstring& commandLine, HANDLE output)
{
    std::wstring line = commandLine;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = output ? STARTF_USESTDHANDLES : 0;
    startup.hStdOutput = startup.hStdError = output;
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessW(nullptr, &line[0], nullptr, nullptr, output != nullptr, 0, nullptr, nullptr, &startup, &info))
        return nullptr;
    ::CloseHandle(info.hThread);
    return info.hProcess;
}
DWORD ExitCodeOf(HANDLE process)
{
    DWORD code = ~0u;
    if (process && ::WaitForSingleObject(process, 120000) == WAIT_OBJECT_0) ::GetExitCodeProcess(process, &code);
    if (process) ::CloseHandle(process);
    return code;
}
std::wstring StoredEdge()
{
    DWORD value = 0, size = sizeof(value);
    const LSTATUS status = ::RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Zephra", L"Direction", RRF_RT_REG_DWORD, nullptr, &value, &size);
    return status == ERROR_SUCCESS ? Wide(Hex(value)) : L"";
}
void SetUserValue(const wchar_t* name, DWORD type, const void* data, DWORD size)
{
    SetValue(HKEY_CURRENT_USER, L"SOFTWARE\\Zephra", name, type, data, size);
}
void SetMachineValue(const wchar_t* name, const std::wstring& text)
{
    SetValue(HKEY_LOCAL_MACHINE, L"Software\\Zephra", name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * 2));
}
void DeleteMachineValue(const wchar_t* name)
{
    EXPECT_EQ(ERROR_SUCCESS, ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Zephra", name));
}
void WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    EXPECT_TRUE(file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush()) << Narrow(path);
}
std::string ReadFileBytes(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
std::string NoiseBytes(size_t count)
{
    std::string bytes(count, '\0');
    unsigned state = 20240601u;
    for (char& byte : bytes) byte = static_cast<char>((state = state * 1664525u + 1013904223u) >> 24);
    return bytes;
}

// ---- installation ----

std::wstring BuildFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);  // <build>\bin\zep_e2e_tests.exe
    return std::filesystem::path(path).parent_path().parent_path().wstring() + L"\\";
}
std::wstring TestPackage(int patchesAhead)
{
    if (patchesAhead == 0) return BuildFolder() + L"packages\\Zephra3-Test-" + Wide(ZEP_VERSION_TEXT) + L".msi";
    return BuildFolder() + L"packages\\upgrade\\Zephra3-Test-" + std::to_wstring(ZEP_VERSION_MAJOR) + L"." +
           std::to_wstring(ZEP_VERSION_MINOR) + L"." + std::to_wstring(ZEP_VERSION_PATCH + patchesAhead) + L".msi";
}
std::vector<std::wstring> InstalledTestVersions()
{
    std::vector<std::wstring> versions;
    for (const auto& package : InstalledTestPackages()) versions.push_back(package.second);
    return versions;
}

// ---- tool starts: "start name=ZepBright cwd="C:\..." cmdline="..."" lines ----

std::vector<ToolStart> ToolStarts()
{
    std::vector<ToolStart> starts;
    std::istringstream lines(ReadFileBytes(kStartLog));
    for (std::string line; std::getline(lines, line);) {
        const size_t name = line.find("name="), cwd = line.find("cwd=\"");
        if (line.rfind("start ", 0) == 0 && name != std::string::npos && cwd != std::string::npos)
            starts.push_back({line.substr(name + 5, line.find(' ', name) - name - 5),
                              line.substr(cwd + 5, line.find('"', cwd + 5) - cwd - 5)});
    }
    return starts;
}
int StartsOf(const std::string& tool)
{
    const std::vector<ToolStart> starts = ToolStarts();
    return static_cast<int>(std::count_if(starts.begin(), starts.end(), [&](const ToolStart& s) { return s.name == tool; }));
}

// ---- the fixture ----

void DockTest::SetUp()
{
    // Whatever ran before this program (or a case that crashed) does not belong to this one.
    KillProcessesNamed(L"Zephra3.exe");
    KillProcessesNamed(ZEP_ASSISTANT64_EXE);
    ::DeleteFileW(kStartLog.c_str());
    PointAway();
    Install();
}
void DockTest::TearDown()
{
    if (Dock()) {
        EXPECT_TRUE(CloseLauncher());
    }
    EXPECT_TRUE(NoProcessNamed(L"Zephra3.exe", kStarts)) << "a launcher still runs at the end";
    EXPECT_TRUE(NoProcessNamed(ZEP_ASSISTANT64_EXE)) << "an assistant still runs at the end";
    for (const wchar_t* title : {kBarTitle, kDockTitle, ZEP_ASSISTANT64_TITLE})
        EXPECT_EQ(0, CountWindowsTitled(title)) << "windows titled " << Narrow(title) << " at the end";
    for (size_t i = 0; HasFailure() && i < m_launchers.size(); ++i) {
        std::cout << "-- debug strings of launcher " << i + 1 << ":\n";
        for (const std::string& text : m_launchers[i]->DebugStrings()) std::cout << "   " << text << "\n";
    }
    KillProcessesNamed(L"Zephra3.exe");
    KillProcessesNamed(ZEP_ASSISTANT64_EXE);
    m_launchers.clear();
}
void DockTest::Install(int edge, const std::vector<std::wstring>& tools)
{
    if (!DockIntact()) {
        for (const auto& package : InstalledTestPackages()) e2e::Run(L"msiexec.exe /x " + package.first + L" /qn");
        const DWORD status = e2e::Run(L"msiexec.exe /i \"" + TestPackage() + L"\" /qn");
        ASSERT_TRUE(status == 0 && DockIntact()) << "msiexec could not install " << Narrow(TestPackage()) << ": status " << status;
    }
    const std::wstring demoToolPath = BuildFolder() + L"bin\\zep_demo_tool.exe";
    const std::string demoTool = ReadFileBytes(demoToolPath);
    ASSERT_FALSE(demoTool.empty()) << Narrow(demoToolPath) << " is not built";
    const wchar_t* const views[] = {L"Software\\Zephra", L"Software\\Wow6432Node\\Zephra"};
    for (const wchar_t* view : views) {
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, view);
        HKEY key = nullptr;
        ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, view, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
        ::RegCloseKey(key);
    }
    for (const wchar_t* tool : kAllTools) {
        const std::wstring folder = ToolFolder(tool), program = folder + L"\\" + tool + L".exe";
        if (std::find(tools.begin(), tools.end(), tool) == tools.end()) {
            ::DeleteFileW(program.c_str());
            ::RemoveDirectoryW(folder.c_str());
            continue;
        }
        ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
        ASSERT_TRUE(ReadFileBytes(program) == demoTool || ::CopyFileW(demoToolPath.c_str(), program.c_str(), FALSE))
            << "cannot copy the demo tool to " << Narrow(program);
        for (const wchar_t* view : views)
            SetValue(HKEY_LOCAL_MACHINE, view, tool, REG_SZ, folder.c_str(), static_cast<DWORD>((folder.size() + 1) * 2));
    }
    const DWORD direction = static_cast<DWORD>(edge);
    SetUserValue(L"Direction", REG_DWORD, &direction, sizeof(direction));
}
DebuggedProcess& DockTest::StartLauncher(const std::wstring& program, const std::string& killAt)
{
    m_launchers.push_back(std::make_unique<DebuggedProcess>(program, std::wstring(), DebugOptions{true, killAt}));
    EXPECT_TRUE(m_launchers.back()->started());
    return *m_launchers.back();
}
AssertionResult DockTest::LauncherReady()
{
    if (!WaitUntil([] { return Dock() != nullptr; }, kStarts)) return AssertionFailure() << "no dock dialog";
    // The dock dialog answers sent messages already during start-up; start-up is over once the launcher waits
    // for input.
    HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, m_launchers.back()->processId());
    const DWORD idle = ::WaitForInputIdle(process, kStarts);
    ::CloseHandle(process);
    if (idle != 0) return AssertionFailure() << "the launcher does not wait for input: " << idle;
    // Both windows stay hidden until the first dock key; start-up hides them once more as they settle.
    if (!WaitUntil([] { return PairVisible(false); })) return PairVisible(false);
    return DockIdle();
}
AssertionResult DockTest::LauncherEnds()
{
    if (!m_launchers.empty() && m_launchers.back()->WaitForExit(kStarts))
        return AssertionSuccess() << "exit code " << m_launchers.back()->exitCode();
    return AssertionFailure() << "the launcher keeps running";
}
AssertionResult DockTest::CloseLauncher()
{
    HWND dock = Dock();
    if (!dock || !::PostMessageW(dock, WM_CLOSE, 0, 0)) return AssertionFailure() << "no dock dialog to close";
    return LauncherEnds();
}
AssertionResult DockTest::Reveal(Box shownBar)
{
    PressDockKey();
    AssertionResult at = WindowAt(kBarTitle, shownBar);
    return at ? DockIdle() : at;
}
AssertionResult DockTest::DebugString(const std::string& text, const DebuggedProcess* from)
{
    const auto seen = [&] {
        const std::vector<std::string> strings = (from ? *from : *m_launchers.back()).DebugStrings();
        return std::find(strings.begin(), strings.end(), text) != strings.end();
    };
    if (WaitUntil(seen, from ? 0 : kAppears)) return AssertionSuccess();
    return AssertionFailure() << "debug string \"" << text << "\" missing";
}
AssertionResult DockTest::NoExceptions(const DebuggedProcess& process) const
{
    std::ostringstream raised;
    for (DWORD code : process.Exceptions()) {
        // Not ours: RPC_S_SERVER_UNAVAILABLE, raised and handled inside Wine's RPC runtime by the first
        // process after a new wineserver, while Wine's services still start.
        if (code != RPC_S_SERVER_UNAVAILABLE) raised << " " << Hex(code);
    }
    return Listed(raised, "exceptions raised:");
}

}  // namespace zep::e2e

int main(int argc, char** argv)
{
    zep::test::AnnounceTestProgramStart();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
