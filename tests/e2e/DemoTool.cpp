// Stand-in for a companion tool in demo and end-to-end installations. The installer copies this one
// program under every tool's name (ZepBright.exe, ZepAir.exe, ...); at run time it takes its name from
// its own file name, so its main window carries the title the launcher's running-tool watcher looks for.
// With ZEP_TOOL_START_LOG naming a file (the end-to-end scenarios set it for the launcher, whose children
// inherit it), it only appends one line about its start there (name, working folder, command line) and
// ends at once.

#include <windows.h>

#include <string>

namespace {

// The window classes the launcher's running-tool table expects of the tools: three tools show a dialog,
// the alternative of slot 6 has a class of its own, the rest share one.
const wchar_t kToolClass[] = L"ZepToolWindow";
const wchar_t kAlternativeClass[] = L"ZepGlowLiteWindow";
const wchar_t kDialogClass[] = L"#32770";

const wchar_t* ClassFor(const std::wstring& tool)
{
    if (tool == L"ZepBright" || tool == L"ZepTouch" || tool == L"ZepCast") return kDialogClass;
    return tool == L"ZepGlowLite" ? kAlternativeClass : kToolClass;
}

std::wstring g_toolName;

// File name of this program without folder and extension: "ZepBright" for ...\ZepBright\ZepBright.exe.
std::wstring OwnProgramName()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, length);
    const std::wstring::size_type slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name.erase(0, slash + 1);
    const std::wstring::size_type dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name.empty() ? std::wstring(L"ZepDemoTool") : name;
}

HFONT CreateUiFont(int height, int weight)
{
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
}

void DrawTextLine(HDC dc, const std::wstring& text, RECT box, int height, int weight, COLORREF colour)
{
    HFONT font = CreateUiFont(height, weight);
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old);
    DeleteObject(font);
}

void Paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);

    // A band in the dock's blue over a light page.
    HBRUSH page = CreateSolidBrush(RGB(246, 248, 252));
    FillRect(dc, &client, page);
    DeleteObject(page);
    RECT band = client;
    band.bottom = band.top + 64;
    HBRUSH accent = CreateSolidBrush(RGB(38, 98, 178));
    FillRect(dc, &band, accent);
    DeleteObject(accent);

    SetBkMode(dc, TRANSPARENT);
    DrawTextLine(dc, g_toolName, band, 28, FW_BOLD, RGB(255, 255, 255));

    RECT line = client;
    line.top = band.bottom + 16;
    line.bottom = line.top + 24;
    DrawTextLine(dc, L"Demo stand-in for the " + g_toolName + L" companion tool", line, 15, FW_NORMAL,
                 RGB(40, 44, 52));
    line.top = line.bottom + 4;
    line.bottom = line.top + 22;
    DrawTextLine(dc, L"Started from the Zephra3 dock. Close this window to end it.", line, 13, FW_NORMAL,
                 RGB(110, 116, 128));
    EndPaint(window, &ps);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

std::string Utf8(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], size, nullptr, nullptr);
    return out;
}

bool RecordStart()
{
    wchar_t logPath[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"ZEP_TOOL_START_LOG", logPath, MAX_PATH)) return false;
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    const std::string line = "start name=" + Utf8(g_toolName) + " cwd=\"" + Utf8(folder) + "\" cmdline=\"" +
                             Utf8(GetCommandLineW()) + "\"\n";
    // Appends whole lines even when several tools start at once.
    HANDLE log = CreateFileW(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(log);
    }
    return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand)
{
    g_toolName = OwnProgramName();
    if (RecordStart()) return 0;

    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    const wchar_t* windowClass = ClassFor(g_toolName);
    wc.lpszClassName = windowClass;
    if (windowClass != kDialogClass && !RegisterClassExW(&wc)) return 1;

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, 440, 150};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND window = CreateWindowExW(0, windowClass, g_toolName.c_str(), style, x, y, width, height, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return 1;
    // A window of the system dialog class gets this program's own procedure (painting, ending the loop).
    if (windowClass == kDialogClass)
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
