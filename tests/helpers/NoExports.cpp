// Test helper: a library that loads but exports nothing, to stand in for a broken ZepHook64.dll.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
