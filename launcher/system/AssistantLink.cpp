#include "launcher/system/AssistantLink.h"

#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "launcher/config/DockTimers.h"
#include "launcher/system/IsX64Windows.h"
#include "shared/LauncherArgument.h"
#include "shared/SiblingPath.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {

constexpr UINT kLookIntervalMs = 100;
// A quick assistant has its window after a fifth of a second; a slow or busy machine gets longer, since a
// launcher that misses the window runs for good without the 64-bit shell hook.
constexpr DWORD kLookForMs = 5000;
// The assistant answers its messages at once; one that does not is not waited for.
constexpr UINT kAnswerMs = 1000;

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::wstring();
    return SiblingPath(path, L"");
}

std::wstring InstallFolderUnder(int folderId)
{
    wchar_t folder[MAX_PATH];
    if (FAILED(::SHGetFolderPathW(nullptr, folderId, nullptr, 0, folder)))
        return std::wstring();
    return std::wstring(folder) + L"\\Zephra\\Zephra3\\";
}

// The first folder that holds the assistant: the launcher's own (a package installed anywhere), then the
// install folder under the 32-bit and the native program-files folder (wherever the system keeps them).
std::wstring AssistantFolder()
{
    for (const std::wstring& folder :
         {ProgramFolder(), InstallFolderUnder(CSIDL_PROGRAM_FILESX86), InstallFolderUnder(CSIDL_PROGRAM_FILES)}) {
        const std::wstring program = folder + ZEP_ASSISTANT64_EXE;
        const DWORD attributes = folder.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(program.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return folder;
    }
    return std::wstring();
}

}  // namespace

void CAssistantLink::Start(HWND timerOwner)
{
    if (!IsX64Windows())
        return;
    m_hTimerOwner = timerOwner;
    const std::wstring folder = AssistantFolder();
    const std::wstring program = folder + ZEP_ASSISTANT64_EXE;
    // The process handle is kept for Close: an assistant whose window has not been found yet cannot be asked
    // to go.
    SHELLEXECUTEINFOW execute = {};
    execute.cbSize = sizeof(execute);
    execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    execute.lpFile = program.c_str();
    // The assistant follows this process even if it dies before the assistant has found the dock dialog.
    const std::wstring parameters = LauncherArgument(::GetCurrentProcessId());
    execute.lpParameters = parameters.c_str();
    execute.lpDirectory = folder.c_str();
    execute.nShow = SW_SHOWNORMAL;
    if (folder.empty() || !::ShellExecuteExW(&execute) || !execute.hProcess) {
        ::OutputDebugStringW(L"X64 OS execute ZepAssistant64.exe fail, Zephra runs without the 64-bit shell hook");
        return;
    }
    m_assistant.reset(execute.hProcess);
    ::OutputDebugStringW(L"X64 OS execute ZepAssistant64.exe succeeded");
    m_nStartedAt = ::GetTickCount();
    Look();
    if (!m_hZepAstWnd64)
        ::SetTimer(m_hTimerOwner, kAssistantLookTimer, kLookIntervalMs, nullptr);
}

void CAssistantLink::LookTimerTicked()
{
    Look();
    if (m_hZepAstWnd64 || ::GetTickCount() - m_nStartedAt >= kLookForMs) {
        ::KillTimer(m_hTimerOwner, kAssistantLookTimer);
        if (!m_hZepAstWnd64)
            ::OutputDebugStringW(L"ZepAssistant64 window not found: Zephra runs without the 64-bit shell hook");
    }
}

void CAssistantLink::Look()
{
    m_hZepAstWnd64 = ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT64_TITLE);
    if (m_hZepAstWnd64 && m_bInstallWanted)
        SendInstall();
}

void CAssistantLink::InstallShellHook()
{
    m_bInstallWanted = true;
    if (m_hZepAstWnd64)
        SendInstall();
}

void CAssistantLink::SendInstall()
{
    m_bInstallWanted = false;
    DWORD_PTR answer = 0;
    if (!::SendMessageTimeoutW(m_hZepAstWnd64, WM_INSTALLSHELLHOOK64, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, kAnswerMs,
                               &answer)) {
        ::OutputDebugStringW(L"ZepAssistant64 does not answer: Zephra runs without the 64-bit shell hook");
        return;
    }
    ::OutputDebugStringW(L"m_hZepAstWnd64 WM_INSTALLSHELLHOOK64");
}

void CAssistantLink::Close()
{
    if (m_hTimerOwner)
        ::KillTimer(m_hTimerOwner, kAssistantLookTimer);
    if (HWND assistant = ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT32_TITLE)) {
        ::PostMessageW(assistant, WM_CLOSE, 0, 0);
        ::OutputDebugStringW(L"m_hZepAstWnd WM_CLOSE");
    }
    if (m_assistant && !m_hZepAstWnd64)
        m_hZepAstWnd64 = ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT64_TITLE);
    if (m_hZepAstWnd64) {
        ::PostMessageW(m_hZepAstWnd64, WM_UNINSTALLSHELLHOOK64, 0, 0);
        ::PostMessageW(m_hZepAstWnd64, WM_CLOSE, 0, 0);
        ::OutputDebugStringW(L"m_hZepAstWnd64 WM_UNINSTALLSHELLHOOK64 WM_CLOSE");
    } else if (m_assistant && ::WaitForSingleObject(m_assistant.get(), 0) == WAIT_TIMEOUT) {
        // Still starting: it has no window to ask yet, and it would not find this launcher to follow once this
        // launcher is gone. It has installed no hook (only the launcher asks for that), so ending it loses
        // nothing.
        ::TerminateProcess(m_assistant.get(), 0);
        ::OutputDebugStringW(L"ZepAssistant64 ended before its window appeared");
    }
    m_assistant.reset();
}

}  // namespace zep
