// libFuzzer target over the INI reader: any bytes as a file (each encoding by its mark), questions made of
// the file's own words. Invariants: no read or write out of bounds (AddressSanitizer); every answer is
// terminated within its buffer and is the key's value or the fallback, never longer than either.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "launcher/config/IniText.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace zep;
    if (size < 2)
        return 0;
    const std::size_t capacity = data[0] % 40;
    std::size_t mark = 0;
    const IniEncoding encoding = DetectIniEncoding(data + 1, size - 1, &mark);
    std::wstring text;
    if (encoding == IniEncoding::Utf16LittleEndian || encoding == IniEncoding::Utf16BigEndian)
        text = DecodeUtf16(data + 1 + mark, size - 1 - mark, encoding == IniEncoding::Utf16BigEndian);
    else
        for (std::size_t i = 1 + mark; i < size; ++i)
            text.push_back(static_cast<wchar_t>(data[i]));
    const IniText ini(text);

    // Questions from the text's own pieces, so that sections and keys are found as well as missed.
    std::wstring words[4];
    std::size_t word = 0;
    for (wchar_t c : text) {
        if (c == L'[' || c == L']' || c == L'=' || c == L'\n') {
            word = (word + 1) % 4;
            words[word].clear();
        } else if (c) {
            words[word].push_back(c);
        }
    }
    const std::wstring fallback = L"\"fallback\"";
    for (const std::wstring& section : words) {
        for (const std::wstring& key : words) {
            wchar_t out[41];
            for (wchar_t& c : out)
                c = L'*';
            ini.Read(section.c_str(), key.c_str(), fallback.c_str(), out, capacity);
            if (capacity == 0 || key.empty()) {
                Require(out[0] == L'*');
                continue;
            }
            const std::size_t length = std::wcslen(out);
            Require(length < capacity);
            Require(length <= text.size() || length <= fallback.size());
        }
    }
    return 0;
}
