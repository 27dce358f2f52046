// Remote control of a running dock for the demo (tools/demo.sh) and the benchmarks (tools/bench.sh): one
// subcommand per call, run under Wine beside the dock. Every subcommand prints one machine-readable line per
// finding (words of key=value, text last and quoted) and exits 0 when the asked condition holds, 1 when it
// does not (or a wait ran out), 2 on a usage error. Waits poll every 50 ms until their deadline.

#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "shared/ZepShared.h"

namespace {

constexpr int kOk = 0;
constexpr int kNo = 1;
constexpr int kUsage = 2;

void Print(const std::wstring& line)
{
    const std::wstring withEnd = line + L"\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, withEnd.c_str(), static_cast<int>(withEnd.size()), nullptr,
                                         0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, withEnd.c_str(), static_cast<int>(withEnd.size()), &utf8[0], size, nullptr,
                        nullptr);
    std::fputs(utf8.c_str(), stdout);
    std::fflush(stdout);
}

std::wstring Hex(unsigned long long value)
{
    wchar_t text[32];
    std::swprintf(text, 32, L"0x%llx", value);
    return text;
}

std::wstring Quoted(const std::wstring& text)
{
    std::wstring out = L"\"";
    for (wchar_t c : text) {
        if (c == L'"' || c == L'\\') out += L'\\';
        out += c;
    }
    return out + L"\"";
}

// "-" stands for "any" where a class or title may be left open.
const wchar_t* OrNull(const wchar_t* argument)
{
    return std::wcscmp(argument, L"-") == 0 ? nullptr : argument;
}

long ToLong(const wchar_t* text)
{
    return std::wcstol(text, nullptr, 0);
}

std::wstring WindowTextOf(HWND window)
{
    wchar_t text[512] = {};
    // For a window of another process this reads the stored text without sending it a message, so a busy
    // launcher cannot block the driver.
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring Describe(HWND window)
{
    RECT rc = {};
    GetWindowRect(window, &rc);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    return L"window hwnd=" + Hex(reinterpret_cast<ULONG_PTR>(window)) + L" pid=" + std::to_wstring(pid) +
           L" x=" + std::to_wstring(rc.left) + L" y=" + std::to_wstring(rc.top) +
           L" w=" + std::to_wstring(rc.right - rc.left) + L" h=" + std::to_wstring(rc.bottom - rc.top) +
           L" style=" + Hex(static_cast<ULONG_PTR>(style)) + L" exstyle=" + Hex(static_cast<ULONG_PTR>(exStyle)) +
           L" visible=" + std::to_wstring(IsWindowVisible(window) ? 1 : 0) + L" class=" + Quoted(ClassOf(window)) +
           L" text=" + Quoted(WindowTextOf(window));
}

template <typename Condition>
bool WaitFor(DWORD timeoutMs, Condition condition)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(50);
    }
}

int WaitWindow(const wchar_t* title, DWORD timeoutMs, const wchar_t* className)
{
    HWND found = nullptr;
    if (!WaitFor(timeoutMs, [&] { return (found = FindWindowW(className, title)) != nullptr; })) {
        Print(L"timeout window " + Quoted(title ? title : L"-"));
        return kNo;
    }
    Print(Describe(found));
    return kOk;
}

UINT MessageNumber(const wchar_t* name)
{
    struct Named {
        const wchar_t* name;
        UINT number;
    };
    static const Named kNamed[] = {
        {L"WM_CLOSE", WM_CLOSE},
        {L"WM_REGISTRY_CHANGED", WM_REGISTRY_CHANGED},
    };
    for (const Named& named : kNamed) {
        if (_wcsicmp(named.name, name) == 0) return named.number;
    }
    return static_cast<UINT>(ToLong(name));
}

int Post(const wchar_t* title, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND target = FindWindowW(nullptr, title);
    if (!target) {
        Print(L"missing window " + Quoted(title));
        return kNo;
    }
    const BOOL posted = PostMessageW(target, message, wParam, lParam);
    Print(std::wstring(posted ? L"posted" : L"failed") + L" message=" + std::to_wstring(message) + L" hwnd=" +
          Hex(reinterpret_cast<ULONG_PTR>(target)));
    return posted ? kOk : kNo;
}

// Sends a message and waits until the window has handled it.
int Send(const wchar_t* title, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND target = FindWindowW(nullptr, title);
    DWORD_PTR result = 0;
    if (!target || !SendMessageTimeoutW(target, message, wParam, lParam, SMTO_NORMAL, 30000, &result)) {
        Print(L"not handled message=" + std::to_wstring(message) + L" by " + Quoted(title));
        return kNo;
    }
    Print(L"sent message=" + std::to_wstring(message) + L" result=" + std::to_wstring(result));
    return kOk;
}

// Waits until the window's thread runs its message loop again: start-up work that holds the thread
// (sleeps, synchronous sends) is over once a WM_NULL comes back.
int WaitIdle(const wchar_t* title, DWORD timeoutMs)
{
    HWND target = FindWindowW(nullptr, title);
    if (!target) {
        Print(L"missing window " + Quoted(title));
        return kNo;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(target, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result)) {
        Print(L"busy " + Describe(target));
        return kNo;
    }
    Print(L"idle " + Describe(target));
    return kOk;
}

// The dock key: scan code 0x78 with the extended flag, pressed and released.
int KeyDock()
{
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = 0x78;
        input.ki.dwFlags = KEYEVENTF_SCANCODE | KEYEVENTF_EXTENDEDKEY;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    const UINT sent = SendInput(2, inputs, sizeof(INPUT));
    Print(L"key-dock sent=" + std::to_wstring(sent));
    return sent == 2 ? kOk : kNo;
}

struct ChildList {
    HWND parent;
    std::vector<HWND> children;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM param)
{
    ChildList* list = reinterpret_cast<ChildList*>(param);
    if (GetParent(window) == list->parent) list->children.push_back(window);
    return TRUE;
}

std::vector<HWND> DirectChildren(HWND parent)
{
    ChildList list = {parent, {}};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&list));
    return list.children;
}

// Child rectangle in the parent's client coordinates.
RECT ChildRect(HWND parent, HWND child)
{
    RECT rc = {};
    GetWindowRect(child, &rc);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

int ChildButtons(const wchar_t* title)
{
    HWND parent = FindWindowW(nullptr, title);
    if (!parent) {
        Print(L"missing window " + Quoted(title));
        return kNo;
    }
    for (HWND child : DirectChildren(parent)) {
        const RECT rc = ChildRect(parent, child);
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        Print(L"child id=" + std::to_wstring(GetDlgCtrlID(child)) + L" visible=" +
              std::to_wstring((style & WS_VISIBLE) ? 1 : 0) + L" x=" + std::to_wstring(rc.left) + L" y=" +
              std::to_wstring(rc.top) + L" w=" + std::to_wstring(rc.right - rc.left) + L" h=" +
              std::to_wstring(rc.bottom - rc.top) + L" disabled=" + std::to_wstring((style & WS_DISABLED) ? 1 : 0) +
              L" class=" + Quoted(ClassOf(child)));
    }
    return kOk;
}

int PointAtCentre(HWND window)
{
    RECT rc = {};
    GetWindowRect(window, &rc);
    const int x = (rc.left + rc.right) / 2;
    const int y = (rc.top + rc.bottom) / 2;
    const BOOL moved = SetCursorPos(x, y);
    Print(L"pointer x=" + std::to_wstring(x) + L" y=" + std::to_wstring(y));
    return moved ? kOk : kNo;
}

int PointAt(const wchar_t* title, int childId)
{
    HWND parent = FindWindowW(nullptr, title);
    HWND child = parent ? GetDlgItem(parent, childId) : nullptr;
    if (!child) {
        Print(L"missing child id=" + std::to_wstring(childId) + L" of " + Quoted(title));
        return kNo;
    }
    return PointAtCentre(child);
}

// ---- The description panel: the launcher's untitled dialogs (card, its background window, white line) ----

struct PanelWindow {
    HWND hwnd;
    std::wstring kind;  // "card" (the panel dialog, it carries the texts), "cardbg" or "line"
};

// Top-level windows, front to back.
std::vector<HWND> TopLevelWindows()
{
    std::vector<HWND> windows;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) windows.push_back(w);
    return windows;
}

DWORD ProcessOf(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::vector<PanelWindow> PanelWindows()
{
    std::vector<PanelWindow> found;
    HWND dock = FindWindowW(nullptr, ZEP_DOCK_WINDOW_TITLE);
    for (HWND window : TopLevelWindows()) {
        if (!dock || ProcessOf(window) != ProcessOf(dock) || ClassOf(window) != L"#32770" || !WindowTextOf(window).empty())
            continue;
        RECT rc = {};
        GetWindowRect(window, &rc);
        const bool line = rc.right - rc.left == 17 || rc.bottom - rc.top == 17;
        found.push_back({window, GetWindow(window, GW_CHILD) ? L"card" : (line ? L"line" : L"cardbg")});
    }
    return found;
}

void PrintPanelWindows(const std::vector<PanelWindow>& windows)
{
    for (const PanelWindow& w : windows) {
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        const bool layered = GetLayeredWindowAttributes(w.hwnd, &key, &alpha, &flags) != FALSE;
        std::wstring line = L"panel kind=" + w.kind + L" lwa=" + (layered ? std::to_wstring(flags) : L"-") +
                            L" alpha=" + std::to_wstring(alpha) + L" " + Describe(w.hwnd);
        if (HWND headline = GetDlgItem(w.hwnd, 2000)) line += L" headline=" + Quoted(WindowTextOf(headline));
        Print(line);
    }
    Print(L"panels count=" + std::to_wstring(windows.size()));
}

// Waits until the launcher shows `count` panels (each a card, its background window and a white line).
int WaitPanels(size_t count, DWORD timeoutMs)
{
    std::vector<PanelWindow> windows;
    const bool reached = WaitFor(timeoutMs, [&] {
        windows = PanelWindows();
        size_t cards = 0;
        for (const PanelWindow& w : windows) cards += w.kind == L"card";
        return windows.size() == 3 * count && cards == count;
    });
    PrintPanelWindows(windows);
    return reached ? kOk : kNo;
}

// Left press and release at the centre of a child of a titled window.
int Click(const wchar_t* title, int childId)
{
    const int pointed = PointAt(title, childId);
    if (pointed != kOk) return pointed;
    Sleep(50);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    const UINT sent = SendInput(2, inputs, sizeof(INPUT));
    Print(L"click sent=" + std::to_wstring(sent));
    return sent == 2 ? kOk : kNo;
}

// Open, switch and close cycles through the dock's own messages: hover reports of 1003 and 1004 and the
// panel close timer.
int HoverCycles(int cycles)
{
    HWND dock = FindWindowW(nullptr, ZEP_DOCK_WINDOW_TITLE);
    if (!dock) {
        Print(L"missing window " + Quoted(ZEP_DOCK_WINDOW_TITLE));
        return kNo;
    }
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } steps[] = {{WM_BUTTON_HOVER, 1003, 1}, {WM_BUTTON_HOVER, 1003, 0}, {WM_BUTTON_HOVER, 1003, 1},
                 {WM_BUTTON_HOVER, 1004, 0}, {WM_BUTTON_HOVER, 1004, 1}, {WM_TIMER, 40, 0}};
    for (int cycle = 0; cycle < cycles; ++cycle) {
        for (const auto& step : steps) {
            // Sent, not posted: each step is over when the call returns (a sent message overtakes posted
            // ones, so a posted step could still be waiting after any later check).
            DWORD_PTR result = 0;
            if (!SendMessageTimeoutW(dock, step.message, step.wParam, step.lParam, SMTO_NORMAL, 30000, &result)) {
                Print(L"busy in cycle=" + std::to_wstring(cycle));
                return kNo;
            }
        }
    }
    Print(L"cycles done=" + std::to_wstring(cycles));
    return kOk;
}

std::vector<DWORD> ProcessesNamed(const wchar_t* exeName)
{
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, exeName) == 0 && entry.th32ProcessID != GetCurrentProcessId()) {
            ids.push_back(entry.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    return ids;
}

// What one process holds: private bytes, handles (0 under Wine, whose count is a stub), threads, top-level
// windows, and (for the launcher) its own live counts of kernel handles, registry keys, GDI objects, device
// contexts and GDI+ images.
int ProcessStats(const wchar_t* exeName)
{
    const std::vector<DWORD> ids = ProcessesNamed(exeName);
    if (ids.empty()) {
        Print(L"no process name=" + Quoted(exeName));
        return kNo;
    }
    const DWORD pid = ids.front();
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    DWORD handles = 0;
    if (process) {
        GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory));
        GetProcessHandleCount(process, &handles);
        CloseHandle(process);
    }
    int threads = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 thread = {};
    thread.dwSize = sizeof(thread);
    for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
        threads += thread.th32OwnerProcessID == pid;
    CloseHandle(snapshot);
    int windows = 0;
    for (HWND window : TopLevelWindows()) windows += ProcessOf(window) == pid;
    // Committed private memory: PagefileUsage equals PrivateUsage on Windows, and Wine fills only the first.
    std::wstring line = L"stats private=" + std::to_wstring(memory.PagefileUsage) + L" handles=" +
                        std::to_wstring(handles) + L" threads=" + std::to_wstring(threads) + L" windows=" +
                        std::to_wstring(windows);
    if (HWND dock = FindWindowW(nullptr, ZEP_DOCK_WINDOW_TITLE)) {
        const struct {
            const wchar_t* name;
            WPARAM kind;
        } kinds[] = {{L"kernel", 0}, {L"keys", 1}, {L"gdi", 2}, {L"memdc", 3}, {L"windc", 4}, {L"images", 10}};
        for (const auto& kind : kinds) {
            DWORD_PTR count = 0;
            SendMessageTimeoutW(dock, WM_QUERY_RESOURCES, kind.kind, 0, SMTO_NORMAL, 10000, &count);
            line += L" " + std::wstring(kind.name) + L"=" + std::to_wstring(static_cast<LONG_PTR>(count));
        }
    }
    Print(line);
    return kOk;
}

// `cycles` reveals and hides by the dock key, each waiting for the bar to arrive.
int DockCycles(int cycles, POINT shown, POINT parked)
{
    HWND bar = FindWindowW(nullptr, ZEP_BAR_WINDOW_TITLE);
    auto at = [bar](POINT p) {
        RECT rc = {};
        return GetWindowRect(bar, &rc) && rc.left == p.x && rc.top == p.y;
    };
    for (int i = 0; i < cycles; ++i) {
        for (const POINT& target : {shown, parked}) {
            KeyDock();
            if (!WaitFor(10000, [&] { return at(target); })) {
                Print(L"stuck in cycle=" + std::to_wstring(i));
                return kNo;
            }
            DWORD_PTR result = 0;
            SendMessageTimeoutW(FindWindowW(nullptr, ZEP_DOCK_WINDOW_TITLE), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
        }
    }
    Print(L"dock cycles done=" + std::to_wstring(cycles));
    return kOk;
}

int WaitNoProcess(const wchar_t* exeName, DWORD timeoutMs)
{
    size_t count = 0;
    const bool gone = WaitFor(timeoutMs, [&] { return (count = ProcessesNamed(exeName).size()) == 0; });
    Print(std::wstring(gone ? L"no process" : L"process running") + L" count=" + std::to_wstring(count) +
          L" name=" + Quoted(exeName));
    return gone ? kOk : kNo;
}

int KillProcesses(const wchar_t* exeName)
{
    int killed = 0;
    for (DWORD id : ProcessesNamed(exeName)) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (!process) continue;
        if (TerminateProcess(process, 1)) {
            WaitForSingleObject(process, 5000);
            ++killed;
        }
        CloseHandle(process);
    }
    Print(L"killed count=" + std::to_wstring(killed) + L" name=" + Quoted(exeName));
    return kOk;
}

int Usage()
{
    Print(L"usage: zep_dock_remote <command> ...\n"
          L"  wait-window <title|-> <timeoutMs> [class]     rect <title> [class]\n"
          L"  wait-idle <title> <timeoutMs>                  key-dock\n"
          L"  post <title> <message> [wParam lParam]         send <title> <message> <wParam> <lParam>\n"
          L"  send-repeat <title> <message> <w> <l> <n>      child-buttons <title>\n"
          L"  point <x> <y>          point-at <title> <childId>          click <title> <childId>\n"
          L"  move <title> <x> <y>\n"
          L"  panels                 wait-panels <count> <timeoutMs>     hover-cycles <n>\n"
          L"  dock-cycles <n> <shownX> <shownY> <parkedX> <parkedY>\n"
          L"  process-stats <exe>    wait-no-process <exe> <timeoutMs>   kill-process <exe>");
    return kUsage;
}

int Run(int argc, wchar_t** argv)
{
    if (argc < 2) return Usage();
    const std::wstring command = argv[1];
    const int n = argc - 2;
    wchar_t** a = argv + 2;
    auto ms = [](const wchar_t* text) { return static_cast<DWORD>(ToLong(text)); };
    auto number = [&](int i) { return static_cast<int>(ToLong(a[i])); };

    if (command == L"wait-window" && (n == 2 || n == 3)) return WaitWindow(OrNull(a[0]), ms(a[1]), n == 3 ? OrNull(a[2]) : nullptr);
    if (command == L"rect" && (n == 1 || n == 2)) return WaitWindow(OrNull(a[0]), 0, n == 2 ? OrNull(a[1]) : nullptr);
    if (command == L"wait-idle" && n == 2) return WaitIdle(a[0], ms(a[1]));
    if (command == L"key-dock" && n == 0) return KeyDock();
    if (command == L"post" && (n == 2 || n == 4))
        return Post(a[0], MessageNumber(a[1]), n == 4 ? static_cast<WPARAM>(ToLong(a[2])) : 0, n == 4 ? static_cast<LPARAM>(ToLong(a[3])) : 0);
    if (command == L"send" && n == 4)
        return Send(a[0], MessageNumber(a[1]), static_cast<WPARAM>(ToLong(a[2])), static_cast<LPARAM>(ToLong(a[3])));
    if (command == L"send-repeat" && n == 5) {
        for (long i = 0; i < ToLong(a[4]); ++i) {
            if (Send(a[0], MessageNumber(a[1]), static_cast<WPARAM>(ToLong(a[2])), static_cast<LPARAM>(ToLong(a[3]))) != kOk)
                return kNo;
        }
        return kOk;
    }
    if (command == L"child-buttons" && n == 1) return ChildButtons(a[0]);
    if (command == L"point" && n == 2) {
        const BOOL moved = SetCursorPos(number(0), number(1));
        Print(L"pointer x=" + std::wstring(a[0]) + L" y=" + std::wstring(a[1]));
        return moved ? kOk : kNo;
    }
    if (command == L"point-at" && n == 2) return PointAt(a[0], number(1));
    if (command == L"move" && n == 3) {
        // As another program would move the window: the dock is to put its bar back.
        const HWND target = FindWindowW(nullptr, a[0]);
        const BOOL moved = target && SetWindowPos(target, nullptr, number(1), number(2), 0, 0,
                                                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Print(std::wstring(moved ? L"moved" : L"failed") + L" title=" + Quoted(a[0]));
        return moved ? kOk : kNo;
    }
    if (command == L"click" && n == 2) return Click(a[0], number(1));
    if (command == L"panels" && n == 0) {
        PrintPanelWindows(PanelWindows());
        return kOk;
    }
    if (command == L"wait-panels" && n == 2) return WaitPanels(static_cast<size_t>(ToLong(a[0])), ms(a[1]));
    if (command == L"hover-cycles" && n == 1) return HoverCycles(number(0));
    if (command == L"dock-cycles" && n == 5) return DockCycles(number(0), POINT{number(1), number(2)}, POINT{number(3), number(4)});
    if (command == L"process-stats" && n == 1) return ProcessStats(a[0]);
    if (command == L"wait-no-process" && n == 2) return WaitNoProcess(a[0], ms(a[1]));
    if (command == L"kill-process" && n == 1) return KillProcesses(a[0]);
    return Usage();
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    return Run(argc, argv);
}
