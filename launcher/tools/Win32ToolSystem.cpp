#include "launcher/tools/Win32ToolSystem.h"

#include <windows.h>
#include <shellapi.h>

#include "launcher/system/IsX64Windows.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {

using RedirectionSwitch = BOOL(WINAPI*)(PVOID*);
using RedirectionRevert = BOOL(WINAPI*)(PVOID);

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
    ::SendMessageW(assistant, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    return true;
}

void CWin32ToolSystem::DebugString(const wchar_t* text)
{
    ::OutputDebugStringW(text);
}

}  // namespace zep
