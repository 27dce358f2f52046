// Entry point of the framework's GUI programs: runs the program's single CWinApp object.
#include <windows.h>

#include "framework/WinApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return zep::CWinApp::Main();
}
