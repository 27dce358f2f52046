// ZepCloseLauncher: run by the installer package before it replaces or removes the dock's files, in the
// installing user's session. It closes a running launcher, and with it the 64-bit assistant, so that no
// file stays locked and no assistant keeps its hook in every process.
//
// In order, each step only while the launcher still runs:
//   1. set "ZepCloseEvent", which the launcher's shell listener obeys;
//   2. a launcher without a listener yet (still starting) or one that does not react: WM_CLOSE to its
//      dock dialog, the same close as the dock's own tear-down;
//   3. a launcher that still does not end (hung): its processes are ended by force.
// Then the assistant, which ends by itself when its launcher ends: WM_CLOSE if it does not, then by force.
// The program always exits with 0: the package goes on either way, and Windows Installer replaces files
// that are still in use at the next restart.
//
// With "tidy32" or "tidy64" on its command line (run once a removal is over) it does nothing of the above
// but remove the machine key the package made, in that registry view, if nothing is left in it: the tools'
// install paths keep it.

#include <windows.h>
#include <tlhelp32.h>

#include <cwchar>
#include <vector>

#include "shared/ZepShared.h"

namespace {

// How long each step may take before the next, rougher one. The launcher's own close fades the bar out
// and joins its workers: about a second.
constexpr DWORD kPoliteCloseMs = 10000;
constexpr DWORD kWindowCloseMs = 5000;
constexpr DWORD kAssistantEndMs = 5000;
constexpr DWORD kPollMs = 100;

// The launcher holds the named mutex for as long as it runs.
bool LauncherRuns()
{
    const HANDLE mutex = ::OpenMutexW(SYNCHRONIZE, FALSE, ZEP_INSTANCE_MUTEX);
    if (!mutex)
        return ::GetLastError() != ERROR_FILE_NOT_FOUND;  // exists but not ours to open: still running
    ::CloseHandle(mutex);
    return true;
}

HWND AssistantWindow()
{
    return ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT64_TITLE);
}

bool AssistantRuns()
{
    return AssistantWindow() != nullptr;
}

template <typename Condition>
bool WaitWhile(Condition stillRunning, DWORD timeoutMs)
{
    // Unsigned difference: right across the tick count's wrap-around.
    const DWORD start = ::GetTickCount();
    while (stillRunning())
    {
        if (::GetTickCount() - start >= timeoutMs)
            return false;
        ::Sleep(kPollMs);
    }
    return true;
}

bool SetCloseEvent()
{
    const HANDLE event = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, ZEP_CLOSE_EVENT);
    if (!event)
        return false;  // no listener yet: the launcher is still starting
    ::SetEvent(event);
    ::CloseHandle(event);
    return true;
}

// Processes of the given image name; the launcher may be found before it has any window.
std::vector<DWORD> ProcessesNamed(const wchar_t* image)
{
    std::vector<DWORD> ids;
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry))
    {
        if (_wcsicmp(entry.szExeFile, image) == 0)
            ids.push_back(entry.th32ProcessID);
    }
    ::CloseHandle(snapshot);
    return ids;
}

void EndProcessesNamed(const wchar_t* image)
{
    for (const DWORD id : ProcessesNamed(image))
    {
        const HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (!process)
            continue;
        ::TerminateProcess(process, 1);
        ::WaitForSingleObject(process, kWindowCloseMs);
        ::CloseHandle(process);
    }
}

void CloseLauncher()
{
    if (!LauncherRuns())
        return;
    if (SetCloseEvent() && WaitWhile(LauncherRuns, kPoliteCloseMs))
        return;
    if (const HWND dock = ::FindWindowW(nullptr, ZEP_DOCK_WINDOW_TITLE))
    {
        ::PostMessageW(dock, WM_CLOSE, 0, 0);
        if (WaitWhile(LauncherRuns, kWindowCloseMs))
            return;
    }
    EndProcessesNamed(L"Zephra3.exe");
}

void CloseAssistant()
{
    if (WaitWhile(AssistantRuns, kAssistantEndMs))
        return;
    // Its close removes the 64-bit hook before the window goes.
    if (const HWND assistant = AssistantWindow())
        ::PostMessageW(assistant, WM_CLOSE, 0, 0);
    if (WaitWhile(AssistantRuns, kAssistantEndMs))
        return;
    EndProcessesNamed(ZEP_ASSISTANT64_EXE);
}

// The key only goes when it holds no value and no key: another program's entries keep it.
void TidyMachineKey(REGSAM view)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Zephra", 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
        return;
    DWORD subKeys = 1;
    DWORD values = 1;
    const bool empty = ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                                          nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
                       subKeys == 0 && values == 0;
    ::RegCloseKey(key);
    if (empty)
        ::RegDeleteKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Zephra", view, 0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    if (std::wcsstr(commandLine, L"tidy32")) {
        TidyMachineKey(KEY_WOW64_32KEY);
        return 0;
    }
    if (std::wcsstr(commandLine, L"tidy64")) {
        TidyMachineKey(KEY_WOW64_64KEY);
        return 0;
    }
    CloseLauncher();
    CloseAssistant();
    return 0;
}
