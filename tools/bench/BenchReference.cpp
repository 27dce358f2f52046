// The benchmarks' reference: the launcher's visible work done as plainly as Win32 allows, so that every
// launcher timing can be given as a ratio to the same work measured in the same run.
//
//   zep_bench_reference.exe [assistant program]
//
// Start-up: the assistant started and its window looked for until it appears (then asked for its shell
// hook), the launch configuration file read once, the dock edge and the install paths read from the
// registry, the right edge's four bar backgrounds and thirteen button pictures decoded, the bar composed
// by copying premultiplied bands, a colour-keyed dock window of the dock dialog's size painted with the
// buttons, both parked beyond the right edge, and a low-level keyboard hook. Every key event is posted to
// the dock window; a release of the dock key (extended scan code 0x78) slides the pair in or out with the
// launcher's show, hide and taskbar calls, 10 pixels per 10 ms tick. ZEP_REF_FADE_CARDS (wParam n) fades a
// card pair and its white line in and out n times through the launcher's ramps, composed once per fade;
// ZEP_REF_COMPOSE composes the bar again. Both windows answer WM_QUERY_TIMING with the same probes as the
// launcher's, and are titled "ZepBenchReference" (the bar) and "ZepBenchReference Foreground" (the dock).

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/GdiPlus.h"
#include "framework/TimingProbe.h"
#include "shared/ZepShared.h"

namespace {

constexpr UINT ZEP_REF_FADE_CARDS = WM_APP + 1;
constexpr UINT ZEP_REF_COMPOSE = WM_APP + 2;
constexpr UINT kKeyMessage = WM_KEYBOARD_EVENT;
constexpr UINT_PTR kSlideTimer = 1;
constexpr UINT_PTR kLookTimer = 2;
constexpr COLORREF kKey = RGB(11, 0, 11);
constexpr int kBarWidth = 133;
constexpr int kBarHeight = 1040;
constexpr int kDockInset = 215;
constexpr int kDockHeight = 600;
constexpr int kShownDepth = 122;

// A picture's pixels, premultiplied 0xAARRGGBB, top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

struct Reference {
    HWND bar = nullptr;
    HWND dock = nullptr;
    HWND assistant = nullptr;
    HHOOK hook = nullptr;
    Pixels backgrounds[4];
    HDC dockPicture = nullptr;  // the dock window's look: key colour and the buttons' first frames
    bool shown = false;
    bool sliding = false;
    int screenWidth = 0;
    int barY = 0;
    RECT workArea{};
};
Reference g;

Pixels Decode(UINT id)
{
    Pixels pixels;
    HRSRC resource = ::FindResourceW(nullptr, MAKEINTRESOURCEW(id), L"PNG");
    const DWORD size = resource ? ::SizeofResource(nullptr, resource) : 0;
    const void* bytes = size ? ::LockResource(::LoadResource(nullptr, resource)) : nullptr;
    HGLOBAL copy = bytes ? ::GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
    if (!copy)
        return pixels;
    std::memcpy(::GlobalLock(copy), bytes, size);
    ::GlobalUnlock(copy);
    IStream* stream = nullptr;
    zep::GpBitmap* bitmap = nullptr;
    if (SUCCEEDED(::CreateStreamOnHGlobal(copy, TRUE, &stream)) &&
        zep::gdip::GdipCreateBitmapFromStream(stream, &bitmap) == Gdiplus::Ok) {
        UINT width = 0;
        UINT height = 0;
        zep::gdip::GdipGetImageWidth(bitmap, &width);
        zep::gdip::GdipGetImageHeight(bitmap, &height);
        Gdiplus::GpRect rect(0, 0, static_cast<INT>(width), static_cast<INT>(height));
        Gdiplus::BitmapData data{};
        if (zep::gdip::GdipBitmapLockBits(bitmap, &rect, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data) ==
            Gdiplus::Ok) {
            pixels.width = static_cast<int>(width);
            pixels.height = static_cast<int>(height);
            for (UINT y = 0; y < height; ++y) {
                const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const BYTE*>(data.Scan0) +
                                                                         static_cast<size_t>(y) * data.Stride);
                pixels.argb.insert(pixels.argb.end(), row, row + width);
            }
            zep::gdip::GdipBitmapUnlockBits(bitmap, &data);
        }
        zep::gdip::GdipDisposeImage(bitmap);
    }
    if (stream)
        stream->Release();
    else
        ::GlobalFree(copy);
    return pixels;
}

// A 32-bit top-down DIB section selected into a memory context.
struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    std::uint32_t* bits = nullptr;
    SIZE size{};

    explicit Surface(SIZE s) : size(s)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = s.cx;
        info.bmiHeader.biHeight = -s.cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* memory = nullptr;
        dc = ::CreateCompatibleDC(nullptr);
        bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
        bits = static_cast<std::uint32_t*>(memory);
        previous = ::SelectObject(dc, bitmap);
    }
    ~Surface()
    {
        ::SelectObject(dc, previous);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    void Present(HWND window, BYTE alpha) const
    {
        RECT rect{};
        ::GetWindowRect(window, &rect);
        POINT at{rect.left, rect.top};
        POINT origin{0, 0};
        SIZE s = size;
        BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
        ::UpdateLayeredWindow(window, nullptr, &at, &s, dc, &origin, 0, &blend, ULW_ALPHA);
    }
};

// The bar: three bands copied from the backgrounds with 3, 2 and 1 sockets.
void ComposeBar()
{
    const zep::TimingProbe probe(zep::TimedWork::BarComposition);
    Surface surface(SIZE{kBarWidth, kBarHeight});
    if (!surface.bits)
        return;
    const struct {
        int top, height, background;
    } bands[] = {{621, 419, 3}, {415, 206, 2}, {0, 415, 1}};
    for (const auto& band : bands) {
        const Pixels& source = g.backgrounds[band.background];
        if (source.width != kBarWidth || source.height != kBarHeight)
            continue;
        std::memcpy(surface.bits + band.top * kBarWidth, source.argb.data() + band.top * kBarWidth,
                    sizeof(std::uint32_t) * kBarWidth * band.height);
    }
    surface.Present(g.bar, 255);
}

// The dock window's look, drawn once: the key colour with the first frame of every button over it.
void PaintDockPicture()
{
    HDC screen = ::GetDC(nullptr);
    g.dockPicture = ::CreateCompatibleDC(screen);
    ::SelectObject(g.dockPicture, ::CreateCompatibleBitmap(screen, kBarWidth, kDockHeight));
    ::ReleaseDC(nullptr, screen);
    HBRUSH key = ::CreateSolidBrush(kKey);
    RECT all{0, 0, kBarWidth, kDockHeight};
    ::FillRect(g.dockPicture, &all, key);
    ::DeleteObject(key);
    zep::GpGraphics* graphics = nullptr;
    zep::gdip::GdipCreateFromHDC(g.dockPicture, &graphics);
    for (UINT n = 0; n < 13; ++n) {
        const Pixels button = Decode(149 + n);
        zep::GpBitmap* bitmap = nullptr;
        if (button.width < 3 ||
            zep::gdip::GdipCreateBitmapFromScan0(button.width, button.height, button.width * 4, PixelFormat32bppPARGB,
                                                 reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(button.argb.data())),
                                                 &bitmap) != Gdiplus::Ok)
            continue;
        const int frame = button.width / 3;
        zep::gdip::GdipDrawImageRectRectI(graphics, bitmap, 20, 10 + 45 * static_cast<int>(n), frame, button.height, 0, 0,
                                          frame, button.height, Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
        zep::gdip::GdipDisposeImage(bitmap);
    }
    zep::gdip::GdipDeleteGraphics(graphics);
}

void SetTaskbarButton(bool taskbar)
{
    ::ShowWindow(g.bar, SW_HIDE);
    LONG_PTR style = ::GetWindowLongPtrW(g.bar, GWL_EXSTYLE);
    style = taskbar ? (style & ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW)) | WS_EX_APPWINDOW
                    : (style & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW;
    ::SetWindowLongPtrW(g.bar, GWL_EXSTYLE, style);
    ::ShowWindow(g.bar, SW_SHOWNA);
}

void DockKeyReleased()
{
    if (g.sliding)
        return;
    g.sliding = true;
    // The timer runs from the key on; the calls below end before its first tick is taken.
    ::SetTimer(g.dock, kSlideTimer, 10, nullptr);
    if (g.shown) {
        SetTaskbarButton(false);
        return;
    }
    ::ShowWindow(g.bar, SW_SHOWNA);
    ::ShowWindow(g.dock, SW_SHOWNA);
    SetTaskbarButton(true);
    const HWND foreground = ::GetForegroundWindow();
    const DWORD own = ::GetCurrentThreadId();
    const DWORD other = ::GetWindowThreadProcessId(foreground, nullptr);
    ::AttachThreadInput(own, other, TRUE);
    ::SwitchToThisWindow(g.bar, TRUE);
    ::BringWindowToTop(g.bar);
    ::AttachThreadInput(own, other, FALSE);
}

void SlideTick()
{
    RECT rect{};
    ::GetWindowRect(g.bar, &rect);
    const int target = g.shown ? g.screenWidth : g.workArea.right - kShownDepth;
    const int left = g.shown ? target - rect.left : rect.left - target;
    const bool last = left <= 20;
    const int x = last ? target : rect.left + (g.shown ? 10 : -10);
    ::SetWindowPos(g.bar, nullptr, x, g.barY, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(g.dock, nullptr, x, g.barY + kDockInset, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!last)
        return;
    ::KillTimer(g.dock, kSlideTimer);
    g.sliding = false;
    g.shown = !g.shown;
    if (!g.shown) {
        ::ShowWindow(g.bar, SW_HIDE);
        ::ShowWindow(g.dock, SW_HIDE);
    }
}

LRESULT CALLBACK CardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        RECT client{};
        ::GetClientRect(window, &client);
        HBRUSH key = ::CreateSolidBrush(kKey);
        ::FillRect(dc, &client, key);
        ::DeleteObject(key);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, RGB(255, 255, 255));
        RECT text{20, 20, client.right - 20, client.bottom - 20};
        ::DrawTextW(dc, L"Zephra companion tool", -1, &text, DT_WORDBREAK);
        ::EndPaint(window, &paint);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// One fade of a card pair and its white line: each step pauses 10 ms, then gives the same composed
// surfaces with the step's constant alpha.
void Fade(HWND text, HWND card, HWND line, const Surface& cardSurface, const Surface& lineSurface, bool in)
{
    for (int step = 0; step < 22; ++step) {
        ::Sleep(10);
        const BYTE alpha = static_cast<BYTE>(in ? 12 * step : 255 - 12 * step);
        const zep::TimingProbe probe(zep::TimedWork::FadeFrame);
        ::SetLayeredWindowAttributes(text, kKey, alpha, LWA_COLORKEY | LWA_ALPHA);
        cardSurface.Present(card, alpha);
        lineSurface.Present(line, alpha);
    }
}

void FadeCards(int cycles)
{
    const Pixels cardPixels = Decode(300);
    const Pixels linePixels = Decode(317);
    for (int cycle = 0; cycle < cycles; ++cycle) {
        RECT bar{};
        ::GetWindowRect(g.bar, &bar);
        const int cardX = bar.left - 17 - cardPixels.width;
        const DWORD passive = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
        HWND card = ::CreateWindowExW(passive, L"ZepBenchReferenceCard", L"", WS_POPUP, cardX, bar.top + 300,
                                      cardPixels.width, cardPixels.height, g.bar, nullptr, nullptr, nullptr);
        HWND text = ::CreateWindowExW(passive, L"ZepBenchReferenceCard", L"", WS_POPUP, cardX, bar.top + 300,
                                      cardPixels.width, cardPixels.height, card, nullptr, nullptr, nullptr);
        HWND line = ::CreateWindowExW(passive, L"ZepBenchReferenceCard", L"", WS_POPUP, bar.left - 17, bar.top + 200,
                                      linePixels.width, linePixels.height, g.bar, nullptr, nullptr, nullptr);
        Surface cardSurface(SIZE{cardPixels.width, cardPixels.height});
        Surface lineSurface(SIZE{linePixels.width, linePixels.height});
        if (cardSurface.bits && lineSurface.bits) {
            std::memcpy(cardSurface.bits, cardPixels.argb.data(), cardPixels.argb.size() * sizeof(std::uint32_t));
            std::memcpy(lineSurface.bits, linePixels.argb.data(), linePixels.argb.size() * sizeof(std::uint32_t));
        }
        ::SetLayeredWindowAttributes(text, kKey, 0, LWA_COLORKEY | LWA_ALPHA);
        cardSurface.Present(card, 0);
        lineSurface.Present(line, 0);
        ::ShowWindow(line, SW_SHOWNA);
        ::ShowWindow(card, SW_SHOWNA);
        ::ShowWindow(text, SW_SHOWNA);
        Fade(text, card, line, cardSurface, lineSurface, true);
        Fade(text, card, line, cardSurface, lineSurface, false);
        ::DestroyWindow(text);
        ::DestroyWindow(card);
        ::DestroyWindow(line);
    }
}

void LookForAssistant()
{
    g.assistant = ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT64_TITLE);
    if (!g.assistant)
        return;
    ::KillTimer(g.dock, kLookTimer);
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(g.assistant, WM_INSTALLSHELLHOOK64, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer);
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const zep::TimingProbe probe(zep::TimedWork::KeyboardHook);
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        ::PostMessageW(g.dock, kKeyMessage, key->flags, static_cast<LPARAM>(key->scanCode));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kKeyMessage:
        if ((wParam & 0x81) == 0x81 && lParam == 0x78)
            DockKeyReleased();
        return 0;
    case WM_TIMER:
        if (wParam == kSlideTimer)
            SlideTick();
        else if (wParam == kLookTimer)
            LookForAssistant();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        if (window == g.dock)
            ::BitBlt(dc, 0, 0, kBarWidth, kDockHeight, g.dockPicture, 0, 0, SRCCOPY);
        ::EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case ZEP_REF_FADE_CARDS:
        FadeCards(static_cast<int>(wParam));
        return 0;
    case ZEP_REF_COMPOSE:
        ComposeBar();
        return 0;
    case WM_QUERY_TIMING:
        return zep::TimingProbe::Query(wParam, lParam);
    case WM_CLOSE:
        ::DestroyWindow(g.bar);
        return 0;
    case WM_DESTROY:
        if (window == g.bar) {
            if (g.assistant) {
                ::PostMessageW(g.assistant, WM_UNINSTALLSHELLHOOK64, 0, 0);
                ::PostMessageW(g.assistant, WM_CLOSE, 0, 0);
            }
            ::PostQuitMessage(0);
        }
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

// What the launcher reads at start: the configuration file, the edge and the install paths.
void ReadSettings()
{
    wchar_t path[MAX_PATH];
    ::ExpandEnvironmentStringsW(L"%ProgramFiles%\\Zephra\\Zephra3\\LaunchInfo.ini", path, MAX_PATH);
    HANDLE file = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        std::vector<char> bytes(::GetFileSize(file, nullptr));
        DWORD read = 0;
        ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        ::CloseHandle(file);
    }
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Zephra", 0, KEY_READ, &key) == ERROR_SUCCESS) {
        DWORD edge = 0;
        DWORD size = sizeof(edge);
        ::RegQueryValueExW(key, L"Direction", nullptr, nullptr, reinterpret_cast<BYTE*>(&edge), &size);
        ::RegCloseKey(key);
    }
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Zephra", 0, KEY_READ, &key) == ERROR_SUCCESS) {
        wchar_t name[256];
        wchar_t value[MAX_PATH];
        for (DWORD i = 0;; ++i) {
            DWORD nameChars = 256;
            DWORD valueBytes = sizeof(value);
            if (::RegEnumValueW(key, i, name, &nameChars, nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                                &valueBytes) != ERROR_SUCCESS)
                break;
            ::GetFileAttributesW(value);
        }
        ::RegCloseKey(key);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argc > 1)
        ::ShellExecuteW(nullptr, nullptr, argv[1], nullptr, nullptr, SW_SHOWNORMAL);

    const zep::GdiplusSession gdiplus;
    ReadSettings();
    for (UINT n = 0; n < 4; ++n)
        g.backgrounds[n] = Decode(145 + n);
    PaintDockPicture();

    g.screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    g.barY = (::GetSystemMetrics(SM_CYSCREEN) - kBarHeight) / 2;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &g.workArea, 0);

    WNDCLASSW wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"ZepBenchReference";
    ::RegisterClassW(&wc);
    wc.lpfnWndProc = CardProc;
    wc.lpszClassName = L"ZepBenchReferenceCard";
    ::RegisterClassW(&wc);
    g.bar = ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"ZepBenchReference", L"ZepBenchReference", WS_POPUP,
                              g.screenWidth, g.barY, kBarWidth, kBarHeight, nullptr, nullptr, instance, nullptr);
    ComposeBar();
    g.dock = ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"ZepBenchReference", L"ZepBenchReference Foreground",
                               WS_POPUP, g.screenWidth, g.barY + kDockInset, kBarWidth, kDockHeight, g.bar, nullptr,
                               instance, nullptr);
    ::SetLayeredWindowAttributes(g.dock, kKey, 0, LWA_COLORKEY);
    g.hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, instance, 0);
    if (argc > 1)
        ::SetTimer(g.dock, kLookTimer, 10, nullptr);
    ::LocalFree(argv);

    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ::UnhookWindowsHookEx(g.hook);
    return 0;
}
