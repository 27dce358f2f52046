#include "launcher/config/IniText.h"

#include <cstring>

namespace zep {
namespace {

// White space as the system's profile functions see it: Unicode spaces, '\r' and ^Z (DOS end of file).
bool IsIniSpace(wchar_t c) noexcept
{
    switch (c) {
    case 0x09: case 0x0A: case 0x0B: case 0x0C: case 0x0D: case 0x1A: case 0x20: case 0x85: case 0xA0:
    case 0x1680: case 0x2028: case 0x2029: case 0x202F: case 0x205F: case 0x3000:
        return true;
    default:
        return c >= 0x2000 && c <= 0x200A;
    }
}

// Names are compared with ASCII letters in either case; other letters must match as they stand.
wchar_t Folded(wchar_t c) noexcept
{
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 0x20) : c;
}

// `text` without the white space around it.
std::wstring Trimmed(const wchar_t* text)
{
    const wchar_t* begin = text;
    const wchar_t* end = text + std::wcslen(text);
    while (begin < end && IsIniSpace(*begin))
        ++begin;
    while (end > begin && IsIniSpace(end[-1]))
        --end;
    return std::wstring(begin, end);
}

bool SameName(const std::wstring& a, const std::wstring& b) noexcept
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Folded(a[i]) != Folded(b[i]))
            return false;
    return true;
}

// Up to the first NUL.
std::wstring CString(const wchar_t* begin, const wchar_t* end)
{
    const wchar_t* nul = begin;
    while (nul < end && *nul)
        ++nul;
    return std::wstring(begin, nul);
}

// Copies `value` into `out`, one pair of enclosing quotes taken off. As the system does it: the closing
// quote is dropped by cutting the copy's last character when the buffer could hold the quoted rest, so a
// buffer exactly that long loses the last character of the value instead.
void CopyEntry(const std::wstring& value, bool stripQuotes, wchar_t* out, std::size_t capacity)
{
    std::size_t start = 0;
    bool quoted = false;
    if (stripQuotes && value.size() > 1 && (value[0] == L'\'' || value[0] == L'"') && value.back() == value[0]) {
        start = 1;
        quoted = true;
    }
    const std::size_t rest = value.size() - start;
    const std::size_t copied = rest < capacity - 1 ? rest : capacity - 1;
    value.copy(out, copied, start);
    out[copied] = L'\0';
    if (quoted && capacity >= rest && copied > 0)
        out[copied - 1] = L'\0';
}

}  // namespace

IniEncoding DetectIniEncoding(const unsigned char* bytes, std::size_t count, std::size_t* markLength) noexcept
{
    *markLength = 0;
    if (count >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        *markLength = 3;
        return IniEncoding::Utf8;
    }
    if (count >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        *markLength = 2;
        return IniEncoding::Utf16LittleEndian;
    }
    if (count >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        *markLength = 2;
        return IniEncoding::Utf16BigEndian;
    }
    return IniEncoding::Ansi;
}

std::wstring DecodeUtf16(const unsigned char* bytes, std::size_t count, bool bigEndian)
{
    std::wstring text;
    text.reserve(count / 2);
    for (std::size_t i = 0; i + 1 < count; i += 2) {
        const unsigned high = bigEndian ? bytes[i] : bytes[i + 1];
        const unsigned low = bigEndian ? bytes[i + 1] : bytes[i];
        text.push_back(static_cast<wchar_t>(high << 8 | low));
    }
    return text;
}

IniText::IniText(const std::wstring& text)
{
    // Keys before the first section belong to a section without a name (asked for with an empty name).
    m_sections.push_back(Section{std::wstring(), {}});
    Section* current = &m_sections.back();
    std::size_t next = 0;
    while (next < text.size()) {
        const std::size_t newline = text.find(L'\n', next);
        const std::size_t lineEnd = newline == std::wstring::npos ? text.size() : newline;
        const wchar_t* begin = text.data() + next;
        const wchar_t* end = text.data() + lineEnd;
        next = newline == std::wstring::npos ? text.size() : newline + 1;
        while (begin < end && IsIniSpace(*begin))
            ++begin;
        while (end > begin && IsIniSpace(end[-1]))
            --end;
        if (begin == end)
            continue;

        if (*begin == L'[') {
            const wchar_t* close = end;
            while (close > begin && close[-1] != L']')
                --close;
            if (close > begin) {
                const wchar_t* nameBegin = begin + 1;
                const wchar_t* nameEnd = close - 1;
                while (nameBegin < nameEnd && IsIniSpace(*nameBegin))
                    ++nameBegin;
                while (nameEnd > nameBegin && IsIniSpace(nameEnd[-1]))
                    --nameEnd;
                m_sections.push_back(Section{CString(nameBegin, nameEnd), {}});
                current = &m_sections.back();
                continue;
            }
            // Without a ']' the line is a key like any other.
        }
        const wchar_t* equals = begin;
        while (equals < end && *equals != L'=')
            ++equals;
        Key key{std::wstring(), equals < end, std::wstring()};
        if (key.hasValue) {
            const wchar_t* nameEnd = equals;
            while (nameEnd > begin && IsIniSpace(nameEnd[-1]))
                --nameEnd;
            key.name = CString(begin, nameEnd);
            const wchar_t* value = equals + 1;
            while (value < end && IsIniSpace(*value))
                ++value;
            key.value = CString(value, end);
        } else {
            key.name = CString(begin, end);
        }
        current->keys.push_back(std::move(key));
    }
}

const IniText::Key* IniText::Find(const wchar_t* section, const wchar_t* key) const
{
    const std::wstring sectionName = Trimmed(section);
    const std::wstring keyName = Trimmed(key);
    for (const Section& candidate : m_sections) {
        if (!SameName(candidate.name, sectionName))
            continue;
        for (const Key& entry : candidate.keys)
            if (SameName(entry.name, keyName))
                return &entry;
        return nullptr;  // only the first section of the name counts
    }
    return nullptr;
}

void IniText::Read(const wchar_t* section, const wchar_t* key, const wchar_t* fallback, wchar_t* out,
                   std::size_t capacity) const
{
    if (!out || capacity == 0 || !key || !key[0])
        return;
    std::wstring fallbackText = fallback ? fallback : L"";
    while (!fallbackText.empty() && fallbackText.back() == L' ')
        fallbackText.pop_back();
    const Key* found = section ? Find(section, key) : nullptr;
    CopyEntry(found && found->hasValue ? found->value : fallbackText, true, out, capacity);
}

}  // namespace zep
