#include "launcher/config/FixedString.h"

namespace zep {
namespace {
std::size_t Length(const wchar_t* s) noexcept
{
    std::size_t n = 0;
    if (s)
        while (s[n])
            ++n;
    return n;
}
}  // namespace

bool CopyTruncated(wchar_t* dest, std::size_t capacity, const wchar_t* source) noexcept
{
    if (!dest || capacity == 0)
        return false;
    std::size_t i = 0;
    for (; source && source[i] && i + 1 < capacity; ++i)
        dest[i] = source[i];
    dest[i] = L'\0';
    return !source || source[i] == L'\0';
}

bool JoinOrEmpty(wchar_t* dest, std::size_t capacity, const wchar_t* first, const wchar_t* second) noexcept
{
    if (!dest || capacity == 0)
        return false;
    const std::size_t a = Length(first);
    const std::size_t b = Length(second);
    if (a + b + 1 > capacity) {
        dest[0] = L'\0';
        return false;
    }
    for (std::size_t i = 0; i < a; ++i)
        dest[i] = first[i];
    for (std::size_t i = 0; i < b; ++i)
        dest[a + i] = second[i];
    dest[a + b] = L'\0';
    return true;
}

void TerminateReceived(wchar_t* buffer, std::size_t capacity, std::size_t available) noexcept
{
    if (!buffer || capacity == 0)
        return;
    std::size_t end = available < capacity - 1 ? available : capacity - 1;
    for (std::size_t i = 0; i < end; ++i) {
        if (buffer[i] == L'\0') {
            end = i;
            break;
        }
    }
    buffer[end] = L'\0';
}

}  // namespace zep
