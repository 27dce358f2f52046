#include "launcher/dock/ToolPresence.h"

#include <windows.h>

#include "framework/UniqueResource.h"

namespace zep {

bool InstallPathExists(const wchar_t* path) noexcept
{
    // FindFirstFileW rejects an empty name and one ending in a separator, where GetFileAttributesW would
    // accept a folder; install paths are judged as the search sees them.
    if (path == nullptr || path[0] == L'\0')
        return false;
    WIN32_FIND_DATAW data;
    const UniqueFindHandle search(::FindFirstFileW(path, &data));
    return search.valid();
}

}  // namespace zep
