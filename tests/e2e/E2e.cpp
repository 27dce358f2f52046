#include "E2e.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <iostream>
#include <sstream>

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

std::string Hex(DWORD value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "0x%lx", static_cast<unsigned long>(value));
    return text;
}

DWORD ProcessOf(HWND window)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::vector<HWND> TopLevelWindows()  // front to back
{
    std::vector<HWND> windows;
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) windows.push_back(w);
    return windows;
}

HWND DockButton(int id)
{
    HWND dock = Dock();
    return dock ? ::GetDlgItem(dock, id) : nullptr;
}

void SetValue(HKEY root, const wchar_t* path, const wchar_t* name, DWORD type, const void* data, DWORD size)
{
    EXPECT_EQ(ERROR_SUCCESS, ::RegSetKeyValueW(root, path, name, type, data, size)) << Narrow(path) << " " << Narrow(name);
}

struct InstalledPackage {
    std::wstring productCode, version;
};

std::vector<InstalledPackage> InstalledTestPackages()
{
    std::vector<InstalledPackage> found;
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
    const std::string version = ZEP_VERSION_TEXT;
    return std::count(versions.begin(), versions.end(), std::wstring(version.begin(), version.end())) != 0;
}

// The launcher's untitled dialogs: card (it has children), its background window, the white line (17 wide).
struct PanelWindow {
    HWND hwnd;
    enum Kind { Card, Background, Line } kind;
};

std::vector<PanelWindow> PanelWindows()
{
    std::vector<PanelWindow> found;
    HWND dock = Dock();
    for (HWND w : dock ? TopLevelWindows() : std::vector<HWND>()) {
        wchar_t className[64] = {};
        ::GetClassNameW(w, className, 64);
        if (ProcessOf(w) != ProcessOf(dock) || std::wstring(className) != L"#32770" || !TextOf(w).empty()) continue;
        const Box place = PlaceOf(w);
        found.push_back({w, ::GetWindow(w, GW_CHILD) ? PanelWindow::Card
                            : (place.w == 17 || place.h == 17) ? PanelWindow::Line : PanelWindow::Background});
    }
    return found;
}

std::string Describe(const std::vector<PanelWindow>& windows)
{
    std::ostringstream out;
    out << windows.size() << " panel windows:";
    for (const PanelWindow& w : windows) out << " " << PlaceOf(w.hwnd) << (w.kind == PanelWindow::Card ? " (card);" : ";");
    return out.str();
}

bool OnePanel(const std::vector<PanelWindow>& windows)
{
    return windows.size() == 3 &&
           std::count_if(windows.begin(), windows.end(), [](const PanelWindow& w) { return w.kind == PanelWindow::Card; }) == 1;
}

HWND PanelButton(int id)
{
    for (const PanelWindow& w : PanelWindows()) {
        if (HWND child = ::GetDlgItem(w.hwnd, id)) return child;
    }
    return nullptr;
}

void SendKeys(std::vector<INPUT> inputs)
{
    for (INPUT& input : inputs) input.type = INPUT_KEYBOARD;
    ASSERT_EQ(inputs.size(), ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)));
}

INPUT Key(WORD scanCode, WORD vk, DWORD flags)
{
    INPUT input = {};
    input.ki.wScan = scanCode;
    input.ki.wVk = vk;
    input.ki.dwFlags = flags;
    return input;
}

void Click(HWND window)
{
    PointAt(window);
    ::Sleep(50);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(2u, ::SendInput(2, inputs, sizeof(INPUT)));
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

std::ostream& operator<<(std::ostream& out, const Box& box)
{
    return out << "(" << box.x << ", " << box.y << ") size " << box.w << " x " << box.h;
}

// ---- windows ----

HWND Window(const wchar_t* title, const wchar_t* className) { return ::FindWindowW(className, title); }

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

int CountWindowsTitled(const wchar_t* title)
{
    const std::vector<HWND> windows = TopLevelWindows();
    return static_cast<int>(std::count_if(windows.begin(), windows.end(), [&](HWND w) { return TextOf(w) == title; }));
}

int CountWindowsOf(const wchar_t* exeName)
{
    const std::vector<DWORD> ids = ProcessesNamed(exeName);
    const std::vector<HWND> windows = TopLevelWindows();
    return static_cast<int>(std::count_if(windows.begin(), windows.end(),
                                          [&](HWND w) { return std::count(ids.begin(), ids.end(), ProcessOf(w)) != 0; }));
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
    const LONG_PTR exStyle = window ? ::GetWindowLongPtrW(window, GWL_EXSTYLE) : 0;
    const LONG_PTR set = tool ? WS_EX_TOOLWINDOW : WS_EX_APPWINDOW, clear = tool ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    if (window && (exStyle & set) && !(exStyle & clear)) return AssertionSuccess();
    return AssertionFailure() << "\"" << Narrow(title) << "\" extended style " << Hex(static_cast<DWORD>(exStyle))
                              << ": want " << Hex(static_cast<DWORD>(set)) << " set, " << Hex(static_cast<DWORD>(clear)) << " clear";
}

AssertionResult PairVisible(bool visible)
{
    for (HWND window : {Bar(), Dock()}) {
        if (!window || (::IsWindowVisible(window) != FALSE) != visible)
            return AssertionFailure() << "\"" << Narrow(TextOf(window)) << "\" visible " << !visible;
    }
    return AssertionSuccess();
}

bool ButtonVisible(int id)
{
    HWND button = DockButton(id);
    return button && (::GetWindowLongPtrW(button, GWL_STYLE) & WS_VISIBLE);
}

AssertionResult ButtonsAt(const ButtonPlaces& visible)
{
    std::ostringstream wrong;
    for (int id = kFirstButton; id <= kLastButton; ++id) {
        HWND button = DockButton(id);
        RECT rc = {};
        ::GetWindowRect(button, &rc);
        ::MapWindowPoints(HWND_DESKTOP, Dock(), reinterpret_cast<POINT*>(&rc), 2);
        const Box place = {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
        const auto want = visible.find(id);
        if (!button)
            wrong << " button " << id << " missing;";
        else if (want == visible.end() && ButtonVisible(id))
            wrong << " button " << id << " visible at " << place << ", want hidden;";
        else if (want != visible.end() && (!ButtonVisible(id) || !(place == want->second)))
            wrong << " button " << id << (ButtonVisible(id) ? " at " : " hidden, at ") << place << ", want " << want->second << ";";
    }
    if (wrong.str().empty()) return AssertionSuccess();
    return AssertionFailure() << wrong.str();
}

AssertionResult ButtonsDisabled(bool disabled)
{
    std::ostringstream wrong;
    for (int id = kFirstButton; id <= kLastButton; ++id) {
        HWND button = DockButton(id);
        if (!button || ((::GetWindowLongPtrW(button, GWL_STYLE) & WS_DISABLED) != 0) != disabled) wrong << " " << id;
    }
    if (wrong.str().empty()) return AssertionSuccess();
    return AssertionFailure() << "buttons not " << (disabled ? "disabled" : "enabled") << ":" << wrong.str();
}

AssertionResult DockIdle()
{
    DWORD_PTR result = 0;
    HWND dock = Dock();
    if (dock && ::SendMessageTimeoutW(dock, WM_NULL, 0, 0, SMTO_NORMAL, kStarts, &result)) return AssertionSuccess();
    return AssertionFailure() << (dock ? "the dock dialog does not answer" : "no dock dialog");
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
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
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

HWND PanelCard()
{
    for (const PanelWindow& w : PanelWindows()) {
        if (w.kind == PanelWindow::Card) return w.hwnd;
    }
    return nullptr;
}

int PanelWindowCount() { return static_cast<int>(PanelWindows().size()); }

AssertionResult PanelAt(Box card, Box line)
{
    std::vector<PanelWindow> windows;
    if (WaitUntil([&] {
            windows = PanelWindows();
            return OnePanel(windows) && std::all_of(windows.begin(), windows.end(), [&](const PanelWindow& w) {
                       return PlaceOf(w.hwnd) == (w.kind == PanelWindow::Line ? line : card);
                   });
        }))
        return AssertionSuccess();
    return AssertionFailure() << Describe(windows) << " want card " << card << ", line " << line;
}

AssertionResult PanelOpen()
{
    std::vector<PanelWindow> windows;
    if (WaitUntil([&] { return OnePanel(windows = PanelWindows()); })) return AssertionSuccess();
    return AssertionFailure() << "no panel: " << Describe(windows);
}

AssertionResult NoPanel()
{
    std::vector<PanelWindow> windows;
    if (WaitUntil([&] { return (windows = PanelWindows()).empty(); })) return AssertionSuccess();
    return AssertionFailure() << "a panel is open: " << Describe(windows);
}

DWORD LayeredFlags(HWND window, BYTE* alpha)
{
    COLORREF key = 0;
    BYTE ownAlpha = 0;
    DWORD flags = 0;
    ::GetLayeredWindowAttributes(window, &key, alpha ? alpha : &ownAlpha, &flags);
    return flags;
}

// ---- input ----

void SendDockKey()
{
    const DWORD flags = KEYEVENTF_SCANCODE | KEYEVENTF_EXTENDEDKEY;
    SendKeys({Key(kDockScanCode, 0, flags), Key(kDockScanCode, 0, flags | KEYEVENTF_KEYUP)});
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
    SendKeys({Key(scanCode, 0, KEYEVENTF_SCANCODE | (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0))});
}

void PressVirtualKey(WORD vk) { SendKeys({Key(0, vk, 0), Key(0, vk, KEYEVENTF_KEYUP)}); }

void PointAway() { ::SetCursorPos(960, 540); }  // the middle of the screen: neither bar nor card lies there

void PointAt(HWND window)
{
    ASSERT_TRUE(window);
    const Box place = PlaceOf(window);
    ::SetCursorPos(place.x + place.w / 2, place.y + place.h / 2);
}

void PointAtButton(int id) { PointAt(DockButton(id)); }

bool PointAtPanelButton(int id)
{
    HWND button = PanelButton(id);
    if (button) PointAt(button);
    return button != nullptr;
}

void ClickButton(int id) { Click(DockButton(id)); }

bool ClickPanelButton(int id)
{
    HWND button = PanelButton(id);
    if (button) Click(button);
    return button != nullptr;
}

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

bool NoProcessNamed(const wchar_t* exeName, DWORD timeoutMs)
{
    return WaitUntil([&] { return ProcessesNamed(exeName).empty(); }, timeoutMs);
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
    if (mutex) ::CloseHandle(mutex);
    return mutex == nullptr;
}

bool SetNamedEvent(const wchar_t* name)
{
    HANDLE event = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
    const bool set = event && ::SetEvent(event);
    if (event) ::CloseHandle(event);
    return set;
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
    if (::RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Zephra", L"Direction", RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return L"";
    const std::string hex = Hex(value);
    return std::wstring(hex.begin(), hex.end());
}

void SetUserValue(const wchar_t* name, DWORD type, const void* data, DWORD size)
{
    SetValue(HKEY_CURRENT_USER, L"SOFTWARE\\Zephra", name, type, data, size);
}

void SetMachineValue(const wchar_t* name, const std::wstring& text)
{
    SetValue(HKEY_LOCAL_MACHINE, L"Software\\Zephra", name, REG_SZ, text.c_str(),
             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void DeleteMachineValue(const wchar_t* name)
{
    EXPECT_EQ(ERROR_SUCCESS, ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Zephra", name));
}

void DeleteMachineKey() { ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Zephra"); }

void WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << Narrow(path);
    DWORD written = 0;
    EXPECT_TRUE(::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    ::CloseHandle(file);
}

std::string ReadFileBytes(const std::wstring& path)
{
    std::string bytes;
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(::GetFileSize(file, nullptr));
    DWORD read = 0;
    ::ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    ::CloseHandle(file);
    return bytes;
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
    std::wstring bin(path);
    bin = bin.substr(0, bin.find_last_of(L'\\'));
    return bin.substr(0, bin.find_last_of(L'\\') + 1);
}

std::wstring DemoToolPath() { return BuildFolder() + L"bin\\zep_demo_tool.exe"; }

std::wstring TestPackage()
{
    const std::string version = ZEP_VERSION_TEXT;
    return BuildFolder() + L"packages\\Zephra3-Test-" + std::wstring(version.begin(), version.end()) + L".msi";
}

std::wstring NextPackage()
{
    return BuildFolder() + L"packages\\upgrade\\Zephra3-Test-" + std::to_wstring(ZEP_VERSION_MAJOR) + L"." +
           std::to_wstring(ZEP_VERSION_MINOR) + L"." + std::to_wstring(ZEP_VERSION_PATCH + 1) + L".msi";
}

std::vector<std::wstring> InstalledTestVersions()
{
    std::vector<std::wstring> versions;
    for (const InstalledPackage& package : InstalledTestPackages()) versions.push_back(package.version);
    return versions;
}

AssertionResult InstallDock(int edge, const std::vector<std::wstring>& tools)
{
    if (!DockIntact()) {
        for (const InstalledPackage& package : InstalledTestPackages()) Run(L"msiexec.exe /x " + package.productCode + L" /qn");
        const DWORD status = Run(L"msiexec.exe /i \"" + TestPackage() + L"\" /qn");
        if (status != 0 || !DockIntact())
            return AssertionFailure() << "msiexec could not install " << Narrow(TestPackage()) << ": status " << status;
    }
    const std::string demoTool = ReadFileBytes(DemoToolPath());
    if (demoTool.empty()) return AssertionFailure() << Narrow(DemoToolPath()) << " is not built";
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
        if (ReadFileBytes(program) != demoTool && !::CopyFileW(DemoToolPath().c_str(), program.c_str(), FALSE))
            return AssertionFailure() << "cannot copy the demo tool to " << Narrow(program);
        for (const wchar_t* view : views)
            SetValue(HKEY_LOCAL_MACHINE, view, tool, REG_SZ, folder.c_str(), static_cast<DWORD>((folder.size() + 1) * 2));
    }
    const DWORD direction = static_cast<DWORD>(edge);
    SetUserValue(L"Direction", REG_DWORD, &direction, sizeof(direction));
    return AssertionSuccess();
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
    // Whatever ran before this program (or a case that crashed) is no part of this one.
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

void DockTest::Install(int edge, const std::vector<std::wstring>& tools) { ASSERT_TRUE(InstallDock(edge, tools)); }

DebuggedProcess& DockTest::StartLauncher(const std::wstring& program)
{
    m_launchers.push_back(std::make_unique<DebuggedProcess>(program, std::wstring(), true));
    EXPECT_TRUE(m_launchers.back()->started());
    return *m_launchers.back();
}

AssertionResult DockTest::LauncherReady()
{
    if (!WaitUntil([] { return Dock() != nullptr; }, kStarts)) return AssertionFailure() << "no dock dialog";
    // The dock dialog answers sent messages already during start-up (while the launcher waits for its
    // assistant); start-up is over once the launcher waits for input.
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
    const AssertionResult at = WindowAt(kBarTitle, shownBar);
    return at ? DockIdle() : at;
}

bool DockTest::SawDebugString(const std::string& text, const DebuggedProcess* from) const
{
    const std::vector<std::string> strings = (from ? *from : *m_launchers.back()).DebugStrings();
    return std::find(strings.begin(), strings.end(), text) != strings.end();
}

AssertionResult DockTest::DebugString(const std::string& text, const DebuggedProcess* from)
{
    if (WaitUntil([&] { return SawDebugString(text, from); })) return AssertionSuccess();
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
    if (raised.str().empty()) return AssertionSuccess();
    return AssertionFailure() << "exceptions raised:" << raised.str();
}

}  // namespace zep::e2e
