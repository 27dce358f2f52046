#include "launcher/system/WindowsVersion.h"

#include <windows.h>

namespace zep {

bool IsWindowsXp()
{
    // VerifyVersionInfoW because GetVersionExW is deprecated (an error under /W4 /WX).
    OSVERSIONINFOEXW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    version.dwMajorVersion = 5;
    version.dwMinorVersion = 1;
    ULONGLONG mask = 0;
    mask = ::VerSetConditionMask(mask, VER_MAJORVERSION, VER_EQUAL);
    mask = ::VerSetConditionMask(mask, VER_MINORVERSION, VER_EQUAL);
    return ::VerifyVersionInfoW(&version, VER_MAJORVERSION | VER_MINORVERSION, mask) != FALSE;
}

}  // namespace zep
