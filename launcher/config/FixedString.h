#pragma once

// Zero-terminated UTF-16 strings in fixed buffers, as the launch configuration keeps them.
// Pure logic: no Windows headers.

#include <cstddef>

namespace zep {

// Capacities in characters, terminator included.
constexpr std::size_t kNameChars = 50;
constexpr std::size_t kPathChars = 260;

// Copies `source` into `dest`, cutting it to capacity - 1 characters; `dest` is always terminated.
// A null source gives an empty string. Returns false when the source was cut.
bool CopyTruncated(wchar_t* dest, std::size_t capacity, const wchar_t* source) noexcept;

// Joins `first` and `second` with nothing between them. When the whole does not fit the buffer, `dest`
// becomes empty and the result is false: a cut path could name another, existing folder.
bool JoinOrEmpty(wchar_t* dest, std::size_t capacity, const wchar_t* first, const wchar_t* second) noexcept;

// Cuts a string read from outside (a registry value) at its first NUL or at `available` characters,
// whichever comes first, and terminates it inside a buffer of `capacity` characters. `available` is the
// number of characters that were actually delivered.
void TerminateReceived(wchar_t* buffer, std::size_t capacity, std::size_t available) noexcept;

}  // namespace zep
