#include "launcher/tools/Win32ToolSystem.h"

#include <windows.h>
#include <shellapi.h>

#include "launcher/system/IsX64Windows.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {

using RedirectionSwitch = BOOL(WINAPI*)(PVOID*);
using RedirectionRevert = BOOL(WINAPI*)(PVOID);

// A launch request's wait for the assistant.
constexpr UINT kAnswerMs = 1000;

// Marks the state of a native launcher, which had nothing to switch off.
void* const kNothingSwitched = nullptr;

template <typename Function>
Function Kernel32Function(const char* name)
{
    const HMODULE kernel = ::GetModuleHandleW(L"Kernel32.dll");
    return kernel ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(kernel, name))) : nullptr;
}

bool RunsNatively()
{
#if defined(_WIN64)
    return true;
#else
    return false;
#endif
}

}  // namespace

bool CWin32ToolSystem::IsX64Windows()
{
    return zep::IsX64Windows();
}

void CWin32ToolSystem::Execute(const wchar_t* verb, const wchar_t* file, const wchar_t* directory)
{
    ::ShellExecuteW(nullptr, verb, file, nullptr, directory, SW_SHOWNORMAL);
}

void CWin32ToolSystem::SendKeyEvent(unsigned char scanCode, unsigned long flags)
{
    ::keybd_event(0, scanCode, flags, 0);
}

bool CWin32ToolSystem::DisableRedirection(void** state)
{
    *state = kNothingSwitched;
    if (RunsNatively())
        return true;
    const auto disable = Kernel32Function<RedirectionSwitch>("Wow64DisableWow64FsRedirection");
    return disable && disable(state);
}

void CWin32ToolSystem::RestoreRedirection(void* state)
{
    if (RunsNatively())
        return;
    if (const auto revert = Kernel32Function<RedirectionRevert>("Wow64RevertWow64FsRedirection"))
        revert(state);
}

bool CWin32ToolSystem::SendLaunchRequest(unsigned long code, const void* record, std::size_t bytes)
{
    const HWND assistant = ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT32_TITLE);
    if (!assistant)
        return false;
    COPYDATASTRUCT data = {code, static_cast<DWORD>(bytes), const_cast<void*>(record)};
    // The answer is not used, and a hung assistant must not freeze the dock: the request waits a moment at
    // most, and not at all for a window the system already knows as hung.
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(assistant, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG | SMTO_NORMAL,
                          kAnswerMs, &answer);
    return true;
}

void CWin32ToolSystem::DebugString(const wchar_t* text)
{
    ::OutputDebugStringW(text);
}

}  // namespace zep
