#pragma once

// Test helpers for the layered-window pair: a background window that keeps what it handed to the
// system, the sixteen bar backgrounds in the start-up order, and a message pump that goes through the
// application's pre-translation chain.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/WinApp.h"
#include "launcher/skin/LayeredSurface.h"
#include "launcher/skin/PngDialog.h"
#include "launcher/res/resource.h"

namespace probe {

constexpr UINT kSet0[4] = {145, 146, 147, 148};
constexpr UINT kSet1[4] = {162, 163, 164, 165};
constexpr UINT kSet2[4] = {179, 180, 181, 182};
constexpr UINT kSet3[4] = {196, 197, 198, 199};

struct Composition {
    BYTE alpha = 0;
    SIZE size{};
    std::vector<std::uint32_t> pixels;  // premultiplied 0xAARRGGBB, top row first
    HDC memoryDc = nullptr;
    HBITMAP bitmap = nullptr;
    int lastError = 0;
};

class RecordingPngDialog : public zep::CPngDialog {
public:
    std::vector<Composition> compositions;
    bool keepPixels = true;
    BOOL initResult = -1;
    std::vector<WPARAM> sysCommands;
    std::vector<BOOL> fullDragDuringSysCommand;
    std::vector<UINT> commands;
    std::vector<UINT> appMessages;

    BOOL OnInitDialog() override
    {
        initResult = CPngDialog::OnInitDialog();
        return initResult;
    }

protected:
    void OnComposed(const zep::LayeredSurface& surface, BYTE alpha) override
    {
        Composition c;
        c.alpha = alpha;
        c.size = surface.Size();
        if (keepPixels)
            c.pixels = surface.ReadPixels();
        c.memoryDc = surface.MemoryDc();
        c.bitmap = surface.Bitmap();
        compositions.push_back(std::move(c));
    }
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MOVE) {
            // Recorded instead of entering the system's modal move loop.
            BOOL fullDrag = -1;
            ::SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
            sysCommands.push_back(wParam);
            fullDragDuringSysCommand.push_back(fullDrag);
            *result = 0;
            return true;
        }
        if (message >= WM_APP && message < WM_APP + 16)
            appMessages.push_back(message);
        return CPngDialog::OnWndMsg(message, wParam, lParam, result);
    }
    bool OnCommand(WPARAM wParam, LPARAM) override
    {
        commands.push_back(LOWORD(wParam));
        return true;
    }
};

inline void LoadAllBackgrounds(zep::CPngDialog& window)
{
    window.LoadEdgeImageSets(kSet0, kSet1, kSet2, kSet3);
}

// The launcher's message loop step for the messages queued now: pre-translation chain, then
// translation and dispatch.
class TestApp : public zep::CWinApp {
public:
    bool InitInstance() override { return true; }
    void PumpPending()
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
    }
};

// Dispatches the queued messages without any pre-translation.
inline void PumpRaw()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// Stores the per-user dock edge, or removes it for edge < 0.
inline void SetStoredDirection(int edge)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Zephra", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return;
    if (edge < 0) {
        ::RegDeleteValueW(key, L"Direction");
    } else {
        const DWORD value = static_cast<DWORD>(edge);
        ::RegSetValueExW(key, L"Direction", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    }
    ::RegCloseKey(key);
}

inline RECT WindowRect(HWND hwnd)
{
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return rect;
}

inline bool IsLayered(HWND hwnd)
{
    return (::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

}  // namespace probe
