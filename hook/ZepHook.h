#pragma once

// Shell-hook library: ZepHook.dll (32-bit, bound through the launcher's import table by the
// stdcall-decorated names _InstallShellHook@4 and _UnInstallShellHook@0) and ZepHook64.dll (64-bit,
// loaded by the assistant at run time by the plain names).
//
// While installed, a system-wide WH_SHELL hook signals the named event ZEP_SHELL_NOTIFY_EVENT from
// whichever process a top-level window is created or destroyed in. The event is only opened, never
// created, by the hook: whoever waits on it creates it first.
//
// Thread: both calls belong to one thread of one process, the installing one; the hook lives as long as
// that thread, or until UnInstallShellHook.

#include <windows.h>

#if defined(ZEP_HOOK_BUILDING)
#if defined(__MINGW32__) && !defined(_WIN64)
// The mingw linker drops the leading underscore of stdcall export names; ZepHook.def gives the exports
// the decorated names that other 32-bit import tables carry.
#define ZEP_HOOK_API
#else
#define ZEP_HOOK_API __declspec(dllexport)
#endif
#else
#define ZEP_HOOK_API __declspec(dllimport)
#endif

extern "C" {

// Places the shell hook unless this process already holds it. The window handle is accepted for the
// callers' sake and not used. Returns TRUE when the hook is in place.
ZEP_HOOK_API BOOL WINAPI InstallShellHook(HWND hWnd);

// Removes the hook this process placed. Without a hook in place (never installed, or removed already)
// it does nothing. Returns TRUE when no hook of this process remains.
ZEP_HOOK_API BOOL WINAPI UnInstallShellHook();
}

namespace zep {
// Types of the two exports for binding at run time (GetProcAddress).
using InstallShellHookProc = BOOL(WINAPI*)(HWND);
using UnInstallShellHookProc = BOOL(WINAPI*)();
}  // namespace zep
