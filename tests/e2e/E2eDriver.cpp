// Test driver for the end-to-end scenarios: one subcommand per call, run under Wine beside the programs
// under test. Every subcommand prints one machine-readable line per finding (words of key=value, text
// last and quoted) and exits 0 when the asked condition holds, 1 when it does not (or a wait ran out),
// 2 on a usage error. Waits poll every 50 ms until their deadline; they never assert on speed.

#include <windows.h>

#include <aclapi.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
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

int WaitNoWindow(const wchar_t* title, DWORD timeoutMs, const wchar_t* className)
{
    HWND found = nullptr;
    if (!WaitFor(timeoutMs, [&] { return (found = FindWindowW(className, title)) == nullptr; })) {
        Print(L"present " + Describe(found));
        return kNo;
    }
    Print(L"gone " + Quoted(title ? title : L"-"));
    return kOk;
}

int WaitRect(const wchar_t* title, const RECT& want, DWORD timeoutMs)
{
    HWND found = nullptr;
    const bool reached = WaitFor(timeoutMs, [&] {
        found = FindWindowW(nullptr, title);
        RECT rc = {};
        return found && GetWindowRect(found, &rc) && EqualRect(&rc, &want);
    });
    if (!found) {
        Print(L"timeout window " + Quoted(title));
        return kNo;
    }
    Print((reached ? L"" : L"mismatch ") + Describe(found));
    return reached ? kOk : kNo;
}

struct TitleCount {
    const wchar_t* title;
    int count;
};

BOOL CALLBACK CountTitle(HWND window, LPARAM param)
{
    TitleCount* state = reinterpret_cast<TitleCount*>(param);
    if (WindowTextOf(window) == state->title) ++state->count;
    return TRUE;
}

int CountWindows(const wchar_t* title)
{
    TitleCount state = {title, 0};
    EnumWindows(CountTitle, reinterpret_cast<LPARAM>(&state));
    Print(L"windows count=" + std::to_wstring(state.count) + L" text=" + Quoted(title));
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
        {L"WM_NULL", WM_NULL},
        {L"WM_QUIT", WM_QUIT},
        {L"WM_INSTALLSHELLHOOK64", WM_INSTALLSHELLHOOK64},
        {L"WM_UNINSTALLSHELLHOOK64", WM_UNINSTALLSHELLHOOK64},
        {L"WM_REGISTRY_CHANGED", WM_REGISTRY_CHANGED},
        {L"WM_SHELL_NOTIFY", WM_SHELL_NOTIFY},
        {L"WM_COMMAND", WM_COMMAND},
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

// Moves a top-level window without resizing it or changing its Z order (the bar's background window takes
// its dialog along).
int Move(const wchar_t* title, int x, int y)
{
    HWND target = FindWindowW(nullptr, title);
    if (!target) {
        Print(L"missing window " + Quoted(title));
        return kNo;
    }
    const BOOL moved = SetWindowPos(target, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Print(std::wstring(moved ? L"moved" : L"failed") + L" hwnd=" + Hex(reinterpret_cast<ULONG_PTR>(target)));
    return moved ? kOk : kNo;
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

// The dock key twice, `gapMs` apart: the second release reaches the launcher while the first slide runs.
int KeyDockTwice(DWORD gapMs)
{
    const int first = KeyDock();
    Sleep(gapMs);
    return KeyDock() == kOk && first == kOk ? kOk : kNo;
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

int PointAtPanelButton(int childId)
{
    for (const PanelWindow& w : PanelWindows()) {
        if (HWND child = GetDlgItem(w.hwnd, childId)) return PointAtCentre(child);
    }
    Print(L"missing panel child id=" + std::to_wstring(childId));
    return kNo;
}

// ---- Clicks, with an optional second low-level keyboard hook that reports the key events meanwhile ----

std::vector<std::wstring> g_keysSeen;

LRESULT CALLBACK WatchKeys(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const KBDLLHOOKSTRUCT* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        g_keysSeen.push_back(L"key scan=" + Hex(key->scanCode) + L" vk=" + Hex(key->vkCode) + L" flags=" +
                             Hex(key->flags) + L" up=" + std::to_wstring((key->flags & LLKHF_UP) ? 1 : 0));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Left press and release at the centre of a child of a titled window (or of the card); with `watchMs`, the
// key events of the next `watchMs` milliseconds are listed.
int Click(const wchar_t* title, int childId, DWORD watchMs)
{
    HHOOK hook = watchMs ? SetWindowsHookExW(WH_KEYBOARD_LL, WatchKeys, GetModuleHandleW(nullptr), 0) : nullptr;
    const int pointed = std::wcscmp(title, L"panel") == 0 ? PointAtPanelButton(childId) : PointAt(title, childId);
    if (pointed != kOk) return pointed;
    Sleep(50);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    const UINT sent = SendInput(2, inputs, sizeof(INPUT));
    Print(L"click sent=" + std::to_wstring(sent));
    const ULONGLONG end = GetTickCount64() + watchMs;
    while (hook && GetTickCount64() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
    if (hook) UnhookWindowsHookEx(hook);
    for (const std::wstring& key : g_keysSeen) Print(key);
    return sent == 2 ? kOk : kNo;
}

// Sends a message to every top-level window and waits until each has handled it (or hangs): a registered
// message by name ("TaskbarCreated"), or a number (26 is WM_SETTINGCHANGE).
int Broadcast(const wchar_t* message)
{
    const UINT number = iswdigit(message[0]) ? static_cast<UINT>(ToLong(message)) : RegisterWindowMessageW(message);
    DWORD_PTR result = 0;
    const LRESULT sent = SendMessageTimeoutW(HWND_BROADCAST, number, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
    Print(L"broadcast message=" + std::to_wstring(number) + L" sent=" + std::to_wstring(sent ? 1 : 0));
    return sent ? kOk : kNo;
}

// A virtual key pressed and released (F1 is 0x70).
int KeyVirtual(WORD vk)
{
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = vk;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    const UINT sent = SendInput(2, inputs, sizeof(INPUT));
    Print(L"key-vk sent=" + std::to_wstring(sent));
    return sent == 2 ? kOk : kNo;
}

// One key event of any scan code, pressed or released, with or without the extended flag.
int KeyEvent(WORD scanCode, bool up, bool extended)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = scanCode;
    input.ki.dwFlags = KEYEVENTF_SCANCODE | (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0);
    const UINT sent = SendInput(1, &input, sizeof(INPUT));
    Print(L"key-event sent=" + std::to_wstring(sent));
    return sent == 1 ? kOk : kNo;
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

int MutexFree(const wchar_t* name)
{
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, name);
    if (mutex) {
        CloseHandle(mutex);
        Print(L"mutex held name=" + Quoted(name));
        return kNo;
    }
    Print(L"mutex free name=" + Quoted(name) + L" error=" + std::to_wstring(GetLastError()));
    return kOk;
}

int SetNamedEvent(const wchar_t* name)
{
    HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
    if (!event) {
        Print(L"missing event name=" + Quoted(name));
        return kNo;
    }
    const BOOL set = SetEvent(event);
    CloseHandle(event);
    Print(std::wstring(set ? L"event set" : L"event failed") + L" name=" + Quoted(name));
    return set ? kOk : kNo;
}

int WaitNamedEvent(const wchar_t* name, DWORD timeoutMs)
{
    // Auto-reset, as the launcher's listener creates it; opening an existing one keeps its kind.
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, name);
    if (!event) {
        Print(L"missing event name=" + Quoted(name));
        return kNo;
    }
    const DWORD result = WaitForSingleObject(event, timeoutMs);
    CloseHandle(event);
    Print(std::wstring(result == WAIT_OBJECT_0 ? L"event signalled" : L"timeout event") + L" name=" + Quoted(name));
    return result == WAIT_OBJECT_0 ? kOk : kNo;
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

// Lists and counts the top-level windows of every process of that name (hidden ones included).
int CountProcessWindows(const wchar_t* exeName)
{
    const std::vector<DWORD> ids = ProcessesNamed(exeName);
    int count = 0;
    for (HWND window : TopLevelWindows()) {
        for (DWORD id : ids) {
            if (id != ProcessOf(window)) continue;
            ++count;
            Print(Describe(window));
        }
    }
    Print(L"process-windows count=" + std::to_wstring(count) + L" name=" + Quoted(exeName));
    return kOk;
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

int ProcessCount(const wchar_t* exeName)
{
    Print(L"processes count=" + std::to_wstring(ProcessesNamed(exeName).size()) + L" name=" + Quoted(exeName));
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

// Waits for a message box (a dialog with a text containing `text`), prints it and presses its first button.
int DismissMessage(const wchar_t* text, DWORD timeoutMs)
{
    struct Search { const wchar_t* text; HWND box; std::wstring found; } search{text, nullptr, {}};
    const bool seen = WaitFor(timeoutMs, [&] {
        EnumWindows([](HWND top, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            EnumChildWindows(top, [](HWND child, LPARAM inner) -> BOOL {
                auto* s = reinterpret_cast<Search*>(inner);
                wchar_t buffer[512] = {};
                GetWindowTextW(child, buffer, 511);
                if (std::wcsstr(buffer, s->text)) {
                    s->box = GetAncestor(child, GA_ROOT);
                    s->found = buffer;
                    return FALSE;
                }
                return TRUE;
            }, param);
            return s->box ? FALSE : TRUE;
        }, reinterpret_cast<LPARAM>(&search));
        return search.box != nullptr;
    });
    if (!seen) {
        Print(L"no message with " + Quoted(text));
        return kNo;
    }
    wchar_t title[256] = {};
    GetWindowTextW(search.box, title, 255);
    Print(L"message title=" + Quoted(title) + L" text=" + Quoted(search.found.c_str()));
    PostMessageW(search.box, WM_COMMAND, IDOK, 0);
    return kOk;
}

// Gives a per-user key a protected access list: everyone may read it, and write it too unless `readOnly`.
int SetUserKeyAccess(const wchar_t* path, bool readOnly)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, WRITE_DAC | KEY_READ, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        Print(L"cannot open " + Quoted(path));
        return kNo;
    }
    EXPLICIT_ACCESSW access = {};
    access.grfAccessPermissions = readOnly ? KEY_READ | READ_CONTROL | WRITE_DAC : KEY_ALL_ACCESS;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = NO_INHERITANCE;
    access.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    access.Trustee.ptstrName = const_cast<wchar_t*>(L"EVERYONE");
    PACL acl = nullptr;
    DWORD status = SetEntriesInAclW(1, &access, nullptr, &acl);
    if (status == ERROR_SUCCESS) {
        status = SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                 nullptr, nullptr, acl, nullptr);
        LocalFree(acl);
    }
    RegCloseKey(key);
    Print(L"key access " + std::wstring(readOnly ? L"read-only" : L"full") + L" status=" + std::to_wstring(status) +
          L" path=" + Quoted(path));
    return status == ERROR_SUCCESS ? kOk : kNo;
}

int Usage()
{
    Print(L"usage: zep_e2e_driver <command> ...\n"
          L"  wait-window <title|-> <timeoutMs> [class]     wait-no-window <title|-> <timeoutMs> [class]\n"
          L"  rect <title> [class]                           wait-rect <title> <x> <y> <w> <h> <timeoutMs>\n"
          L"  count-windows <title>                          wait-idle <title> <timeoutMs>\n"
          L"  post <title> <message> [wParam lParam]         key-dock\n"
          L"  send <title> <message> <wParam> <lParam>       key-dock-send <title> <message> <wParam> <lParam>\n"
          L"  move <title> <x> <y>\n"
          L"  child-buttons <title>                          point-at <title|panel> <childId>\n"
          L"  point <x> <y>          key-event <scan> <up 0|1> <extended 0|1>   key-dock-twice <gapMs>\n"
          L"  panels                 wait-panels <count> <timeoutMs>             hover-cycles <n>\n"
          L"  click <title|panel> <childId> [watchKeysMs]    key-vk <vk>      broadcast <name|number>\n"
          L"  mutex-free <name>    set-event <name>          wait-event <name> <timeoutMs>\n"
          L"  process-count <exe>  wait-no-process <exe> <timeoutMs>   kill-process <exe>\n"
          L"  count-process-windows <exe>   process-stats <exe>\n"
          L"  dock-cycles <n> <shownX> <shownY> <parkedX> <parkedY>   send-repeat <title> <message> <w> <l> <n>\n"
          L"  dismiss-message <text> <timeoutMs>   user-key-access <path> <read-only|full>");
    return kUsage;
}

int Run(int argc, wchar_t** argv)
{
    if (argc < 2) return Usage();
    const std::wstring command = argv[1];
    const int n = argc - 2;
    wchar_t** a = argv + 2;
    auto ms = [](const wchar_t* text) { return static_cast<DWORD>(ToLong(text)); };

    if (command == L"wait-window" && (n == 2 || n == 3)) return WaitWindow(OrNull(a[0]), ms(a[1]), n == 3 ? OrNull(a[2]) : nullptr);
    if (command == L"wait-no-window" && (n == 2 || n == 3))
        return WaitNoWindow(OrNull(a[0]), ms(a[1]), n == 3 ? OrNull(a[2]) : nullptr);
    if (command == L"rect" && (n == 1 || n == 2)) return WaitWindow(OrNull(a[0]), 0, n == 2 ? OrNull(a[1]) : nullptr);
    if (command == L"wait-rect" && n == 6) {
        const int x = static_cast<int>(ToLong(a[1]));
        const int y = static_cast<int>(ToLong(a[2]));
        const RECT want = {x, y, x + static_cast<int>(ToLong(a[3])), y + static_cast<int>(ToLong(a[4]))};
        return WaitRect(a[0], want, ms(a[5]));
    }
    if (command == L"count-windows" && n == 1) return CountWindows(a[0]);
    if (command == L"wait-idle" && n == 2) return WaitIdle(a[0], ms(a[1]));
    if (command == L"post" && (n == 2 || n == 4)) {
        return Post(a[0], MessageNumber(a[1]), n == 4 ? static_cast<WPARAM>(ToLong(a[2])) : 0,
                    n == 4 ? static_cast<LPARAM>(ToLong(a[3])) : 0);
    }
    if (command == L"send" && n == 4) {
        return Send(a[0], MessageNumber(a[1]), static_cast<WPARAM>(ToLong(a[2])), static_cast<LPARAM>(ToLong(a[3])));
    }
    if (command == L"key-dock" && n == 0) return KeyDock();
    if (command == L"key-dock-send" && n == 4) {
        // The message reaches the launcher while the slide the key started is still running.
        const int key = KeyDock();
        const int sent = Send(a[0], MessageNumber(a[1]), static_cast<WPARAM>(ToLong(a[2])), static_cast<LPARAM>(ToLong(a[3])));
        return key == kOk && sent == kOk ? kOk : kNo;
    }
    if (command == L"move" && n == 3)
        return Move(a[0], static_cast<int>(ToLong(a[1])), static_cast<int>(ToLong(a[2])));
    if (command == L"child-buttons" && n == 1) return ChildButtons(a[0]);
    if (command == L"point-at" && n == 2 && std::wcscmp(a[0], L"panel") == 0)
        return PointAtPanelButton(static_cast<int>(ToLong(a[1])));
    if (command == L"point-at" && n == 2) return PointAt(a[0], static_cast<int>(ToLong(a[1])));
    if (command == L"point" && n == 2) {
        const BOOL moved = SetCursorPos(static_cast<int>(ToLong(a[0])), static_cast<int>(ToLong(a[1])));
        Print(L"pointer x=" + std::wstring(a[0]) + L" y=" + std::wstring(a[1]));
        return moved ? kOk : kNo;
    }
    if (command == L"key-event" && n == 3)
        return KeyEvent(static_cast<WORD>(ToLong(a[0])), ToLong(a[1]) != 0, ToLong(a[2]) != 0);
    if (command == L"key-dock-twice" && n == 1) return KeyDockTwice(ms(a[0]));
    if (command == L"click" && (n == 2 || n == 3))
        return Click(a[0], static_cast<int>(ToLong(a[1])), n == 3 ? ms(a[2]) : 0);
    if (command == L"key-vk" && n == 1) return KeyVirtual(static_cast<WORD>(ToLong(a[0])));
    if (command == L"broadcast" && n == 1) return Broadcast(a[0]);
    if (command == L"panels" && n == 0) {
        PrintPanelWindows(PanelWindows());
        return kOk;
    }
    if (command == L"wait-panels" && n == 2) return WaitPanels(static_cast<size_t>(ToLong(a[0])), ms(a[1]));
    if (command == L"hover-cycles" && n == 1) return HoverCycles(static_cast<int>(ToLong(a[0])));
    if (command == L"mutex-free" && n == 1) return MutexFree(a[0]);
    if (command == L"set-event" && n == 1) return SetNamedEvent(a[0]);
    if (command == L"wait-event" && n == 2) return WaitNamedEvent(a[0], ms(a[1]));
    if (command == L"process-count" && n == 1) return ProcessCount(a[0]);
    if (command == L"count-process-windows" && n == 1) return CountProcessWindows(a[0]);
    if (command == L"process-stats" && n == 1) return ProcessStats(a[0]);
    if (command == L"dock-cycles" && n == 5) {
        const auto at = [&](int i) { return static_cast<int>(ToLong(a[i])); };
        return DockCycles(at(0), POINT{at(1), at(2)}, POINT{at(3), at(4)});
    }
    if (command == L"send-repeat" && n == 5) {
        for (long i = 0; i < ToLong(a[4]); ++i) {
            if (Send(a[0], MessageNumber(a[1]), static_cast<WPARAM>(ToLong(a[2])), static_cast<LPARAM>(ToLong(a[3]))) != kOk)
                return kNo;
        }
        return kOk;
    }
    if (command == L"wait-no-process" && n == 2) return WaitNoProcess(a[0], ms(a[1]));
    if (command == L"kill-process" && n == 1) return KillProcesses(a[0]);
    if (command == L"user-key-access" && n == 2) return SetUserKeyAccess(a[0], std::wcscmp(a[1], L"read-only") == 0);
    if (command == L"dismiss-message" && n == 2) return DismissMessage(a[0], ms(a[1]));
    return Usage();
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    // The script tells a run that never began (Wine can fail to start a process under load) from a
    // command that failed by this first line on the error stream.
    fputs("e2e driver started\n", stderr);
    fflush(stderr);
    return Run(argc, argv);
}
