#pragma once

// Path of a file that lies in the same folder as a given module.

#include <string>
#include <string_view>

namespace zep {

// The folder part of modulePath (through its last '\' or '/') followed by fileName. Empty when
// modulePath names no folder: a bare file name would let the loader search the current folder.
inline std::wstring SiblingPath(std::wstring_view modulePath, std::wstring_view fileName)
{
    const std::wstring_view::size_type slash = modulePath.find_last_of(L"\\/");
    if (slash == std::wstring_view::npos || fileName.empty())
        return std::wstring();
    std::wstring path(modulePath.substr(0, slash + 1));
    path += fileName;
    return path;
}

}  // namespace zep
