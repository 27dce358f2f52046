#pragma once

// The size a PNG file declares in its header, read without decoding the picture: a layout that only needs
// a picture's size does not pay for its pixels. Pure logic: no Windows headers.

#include <cstddef>

namespace zep {

struct PngSize {
    int width = 0;
    int height = 0;
};

// The width and height of the IHDR chunk that must follow the PNG signature. False, and `size` untouched,
// for anything that is not the start of a PNG file, or declares an empty picture or one wider or taller
// than 65535 pixels (nothing the launcher draws comes near it; more would be a damaged resource).
bool ReadPngSize(const unsigned char* bytes, std::size_t count, PngSize* size) noexcept;

}  // namespace zep
