#include "launcher/skin/PngHeader.h"

#include <cstdint>
#include <cstring>

namespace zep {
namespace {

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kHeaderEnd = 8 + 4 + 4 + 8;  // signature, chunk length, "IHDR", width and height
constexpr std::uint32_t kLargestSide = 65535;

std::uint32_t BigEndian(const unsigned char* bytes) noexcept
{
    return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
           static_cast<std::uint32_t>(bytes[2]) << 8 | static_cast<std::uint32_t>(bytes[3]);
}

}  // namespace

bool ReadPngSize(const unsigned char* bytes, std::size_t count, PngSize* size) noexcept
{
    if (!bytes || count < kHeaderEnd || std::memcmp(bytes, kSignature, sizeof(kSignature)) != 0 ||
        BigEndian(bytes + 8) != 13 || std::memcmp(bytes + 12, "IHDR", 4) != 0)
        return false;
    const std::uint32_t width = BigEndian(bytes + 16);
    const std::uint32_t height = BigEndian(bytes + 20);
    if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide)
        return false;
    size->width = static_cast<int>(width);
    size->height = static_cast<int>(height);
    return true;
}

}  // namespace zep
