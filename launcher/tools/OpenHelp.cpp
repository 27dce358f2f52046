#include "launcher/tools/OpenHelp.h"

#include <windows.h>
#include <shellapi.h>

#include "launcher/config/LaunchConfig.h"

namespace zep {

bool OpenHelp()
{
    // The install folder itself, "<program files>\Zephra\Zephra3\". Without it the shell would look
    // for the file in the current directory, so nothing is opened then.
    wchar_t folder[MAX_PATH];
    if (!GetInstallFilePath(L"", folder))
        return false;
    const HINSTANCE opened = ::ShellExecuteW(nullptr, L"open", L"Help.mht", nullptr, folder, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(opened) > 32;
}

}  // namespace zep
