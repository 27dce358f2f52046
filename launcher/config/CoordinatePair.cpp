#include "launcher/config/CoordinatePair.h"

namespace zep {
namespace {

bool IsSpace(wchar_t c) noexcept
{
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\v' || c == L'\f';
}

// Reads [begin, end) as the C library's integer conversion would. The piece holds at most nine
// characters, so the value always fits an int.
int ParseInteger(const wchar_t* begin, const wchar_t* end) noexcept
{
    const wchar_t* p = begin;
    while (p < end && IsSpace(*p))
        ++p;
    bool negative = false;
    if (p < end && (*p == L'+' || *p == L'-')) {
        negative = *p == L'-';
        ++p;
    }
    long value = 0;
    for (; p < end && *p >= L'0' && *p <= L'9'; ++p)
        value = value * 10 + (*p - L'0');
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

CoordinatePair ParseCoordinatePair(const wchar_t* value) noexcept
{
    CoordinatePair pair;
    if (!value)
        return pair;
    const wchar_t* end = value;
    while (end - value < kCoordinatePairChars && *end)
        ++end;

    int piece = 0;
    const wchar_t* p = value;
    while (p < end && piece < 2) {
        while (p < end && *p == L',')
            ++p;
        if (p == end)
            break;
        const wchar_t* start = p;
        while (p < end && *p != L',')
            ++p;
        (piece == 0 ? pair.x : pair.y) = ParseInteger(start, p);
        ++piece;
    }
    return pair;
}

}  // namespace zep
