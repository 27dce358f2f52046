#pragma once

// Whether a tool's install path names something on disk.

namespace zep {

// True when FindFirstFileW finds an entry for `path`: an existing file or folder, or a wildcard pattern
// with at least one match. A null or empty path, and one that ends in a backslash, find nothing.
bool InstallPathExists(const wchar_t* path) noexcept;

}  // namespace zep
