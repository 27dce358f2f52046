#pragma once

// Where the built programs lie and how the tests start them. The test program runs from
// <build>/tests/; the shipped programs and libraries lie in <build>/bin/, the test helpers beside the
// test program.

#include <windows.h>

#include <string>

#include "framework/UniqueResource.h"

namespace zep::test {

// Folder of the running test program, with a trailing backslash.
inline std::wstring TestProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

// <build>/bin/ as a full path, with a trailing backslash.
inline std::wstring BuildBinFolder()
{
    const std::wstring relative = TestProgramFolder() + L"..\\bin\\";
    wchar_t full[MAX_PATH] = {};
    const DWORD length = ::GetFullPathNameW(relative.c_str(), MAX_PATH, full, nullptr);
    return std::wstring(full, length);
}

// Starts program (a full path) with arguments; the process handle, or an empty owner on failure.
inline UniqueHandle StartProgram(const std::wstring& program, const std::wstring& arguments = std::wstring(),
                                 const wchar_t* workFolder = nullptr)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, workFolder, &startup,
                          &info))
        return UniqueHandle();
    ::CloseHandle(info.hThread);
    return UniqueHandle(info.hProcess);
}

// Runs program to its end; its exit code, or ~0u when it did not start or end within 30 s.
inline DWORD RunProgram(const std::wstring& program, const std::wstring& arguments = std::wstring())
{
    UniqueHandle process = StartProgram(program, arguments);
    DWORD code = ~0u;
    if (process && ::WaitForSingleObject(process.get(), 30000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(process.get(), &code);
    return code;
}

}  // namespace zep::test
