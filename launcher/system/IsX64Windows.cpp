#include "launcher/system/IsX64Windows.h"

#include <windows.h>

namespace zep {

bool IsX64Windows()
{
    SYSTEM_INFO info = {};
    ::GetNativeSystemInfo(&info);
    return info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
}

}  // namespace zep
