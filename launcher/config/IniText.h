#pragma once

// An INI file read once and answered as GetPrivateProfileStringW answers from the file: the launch
// configuration asks some 140 values at start, and each call of the system function reads and parses the
// whole file again. Pure logic: no Windows headers.
//
// The rules the system function follows: lines end at '\n'; white space ('\r' and ^Z included) is cut off
// both ends of a line. A line that starts with '[' and holds a ']' names a section: what lies between the
// '[' and the last ']', without white space around it. Any other line is a key: up to its first '=' (white
// space before the '=' cut off) the name, after it the value (white space after the '=' cut off); a line
// without '=' is a key without a value; keys before the first section belong to a section without a name. A
// question names its section and key with white space around them ignored and ASCII letters in either case
// (other letters must match as they stand); only the first section of that name is searched, and in it the
// first key of that name. The answer is the key's value, or else the fallback (its trailing spaces cut
// off); either loses one pair of quotes ('' or "") around it, and is cut to fit the buffer. Names and
// values end at a NUL.

#include <cstddef>
#include <string>
#include <vector>

namespace zep {

// How an INI file's bytes are written, told by their first bytes as the system tells it.
enum class IniEncoding { Ansi, Utf8, Utf16LittleEndian, Utf16BigEndian };

// The encoding of a file that starts with `bytes`, and the length of its byte-order mark.
IniEncoding DetectIniEncoding(const unsigned char* bytes, std::size_t count, std::size_t* markLength) noexcept;

// UTF-16 text after the byte-order mark; an odd last byte is left out.
std::wstring DecodeUtf16(const unsigned char* bytes, std::size_t count, bool bigEndian);

class IniText {
public:
    // A file that does not exist: every question gets its fallback.
    IniText() = default;
    // The file's decoded text.
    explicit IniText(const std::wstring& text);

    // Writes the answer to [section] key into `out` (`capacity` characters, terminator included; nothing
    // for a capacity of 0). An empty key writes nothing, as the system does.
    void Read(const wchar_t* section, const wchar_t* key, const wchar_t* fallback, wchar_t* out,
              std::size_t capacity) const;

private:
    struct Key {
        std::wstring name;
        bool hasValue;
        std::wstring value;
    };
    struct Section {
        std::wstring name;
        std::vector<Key> keys;
    };

    const Key* Find(const wchar_t* section, const wchar_t* key) const;

    std::vector<Section> m_sections;
};

}  // namespace zep
