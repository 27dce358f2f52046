#include "launcher/system/AssistantLink.h"

#include <shellapi.h>

#include "launcher/system/IsX64Windows.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {

const DWORD kAssistantFirstLookMs = 500;
const DWORD kAssistantLookIntervalMs = 100;
const DWORD kAssistantLastLookMs = 5000;

}  // namespace

bool CAssistantLink::Start()
{
    if (!IsX64Windows())
        return true;
    const HINSTANCE started =
        ::ShellExecuteW(nullptr, nullptr, ZEP_ASSISTANT_FOLDER ZEP_ASSISTANT64_EXE, nullptr, ZEP_ASSISTANT_FOLDER, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(started) <= 32) {
        ::OutputDebugStringW(L"X64 OS execute ZepAssistant64.exe fail, Zephra will close");
        return false;
    }
    ::OutputDebugStringW(L"X64 OS execute ZepAssistant64.exe succeeded");
    // The assistant needs a moment to create its window. A quick one is found after the first half second;
    // on a slow or busy machine it is looked for a little longer, since a launcher that misses the window
    // runs for good without the 64-bit shell hook.
    ::Sleep(kAssistantFirstLookMs);
    m_hZepAstWnd64 = ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT64_TITLE);
    for (DWORD waited = kAssistantFirstLookMs; !m_hZepAstWnd64 && waited < kAssistantLastLookMs;
         waited += kAssistantLookIntervalMs) {
        ::Sleep(kAssistantLookIntervalMs);
        m_hZepAstWnd64 = ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT64_TITLE);
    }
    return true;
}

void CAssistantLink::InstallShellHook()
{
    if (!m_hZepAstWnd64)
        return;
    ::SendMessageW(m_hZepAstWnd64, WM_INSTALLSHELLHOOK64, 0, 0);
    ::OutputDebugStringW(L"m_hZepAstWnd64 WM_INSTALLSHELLHOOK64");
}

void CAssistantLink::Close()
{
    if (HWND assistant = ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT32_TITLE)) {
        ::PostMessageW(assistant, WM_CLOSE, 0, 0);
        ::OutputDebugStringW(L"m_hZepAstWnd WM_CLOSE");
    }
    if (m_hZepAstWnd64) {
        ::PostMessageW(m_hZepAstWnd64, WM_UNINSTALLSHELLHOOK64, 0, 0);
        ::PostMessageW(m_hZepAstWnd64, WM_CLOSE, 0, 0);
        ::OutputDebugStringW(L"m_hZepAstWnd64 WM_UNINSTALLSHELLHOOK64 WM_CLOSE");
    }
}

}  // namespace zep
