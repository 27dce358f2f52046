// The INI reader answers as the system's profile function does (the Wine tests compare the two on files).
#include <gtest/gtest.h>

#include <string>

#include "launcher/config/IniText.h"

namespace zep {
namespace {

std::wstring Read(const IniText& ini, const wchar_t* section, const wchar_t* key, const wchar_t* fallback,
                  std::size_t capacity = 64)
{
    std::wstring out(capacity + 1, L'*');
    ini.Read(section, key, fallback, &out[0], capacity);
    return out.substr(0, out.find(L'\0'));
}

TEST(IniTextTest, AnswersAsTheProfileFunction)
{
    const IniText ini(L"orphan=before any section\r\n"
                      L"[AppName]\r\n"
                      L"0=ZepBright\r\n"
                      L"  1 \t=   ZepSaver   \r\n"
                      L"quoted=\"C:\\Tools\"\n"
                      L"single='x'\n"
                      L"lonely=\"\n"
                      L"mixed=\"x'\n"
                      L"novalue\n"
                      L"empty=\n"
                      L"1=second of its name\n"
                      L"[ Spaced ]\n"
                      L"k=inside spaces\n"
                      L"[appname]\n"
                      L"2=in the second section of the name\n"
                      L"[Unclosed\n"
                      L"[a]b]\n"
                      L"k=last bracket\n"
                      L"\x1A\n");
    struct Case {
        const wchar_t* section;
        const wchar_t* key;
        const wchar_t* fallback;
        std::wstring answer;
    };
    const Case cases[] = {
        {L"AppName", L"0", L"Unknow", L"ZepBright"},
        {L"appNAME", L"0", L"Unknow", L"ZepBright"},
        {L"  AppName\t", L" 1 ", L"Unknow", L"ZepSaver"},
        {L"AppName", L"quoted", L"", L"C:\\Tools"},
        {L"AppName", L"single", L"", L"x"},
        {L"AppName", L"lonely", L"", L"\""},
        {L"AppName", L"mixed", L"", L"\"x'"},
        {L"AppName", L"novalue", L"fallback", L"fallback"},
        {L"AppName", L"empty", L"fallback", L""},
        {L"AppName", L"2", L"first section only", L"first section only"},
        {L"AppName", L"missing", L"0,0  ", L"0,0"},
        {L"AppName", L"missing", L"\"quoted fallback\"", L"quoted fallback"},
        {L"AppName", L"missing", nullptr, L""},
        {L"", L"orphan", L"none", L"before any section"},
        {L" Spaced ", L"k", L"none", L"inside spaces"},
        {L"Spaced", L"k", L"none", L"inside spaces"},
        {L"Unclosed", L"k", L"none", L"none"},
        {L"a]b", L"k", L"none", L"last bracket"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section, c.section + std::wcslen(c.section)) + " / " +
                     std::string(c.key, c.key + std::wcslen(c.key)));
        EXPECT_EQ(c.answer, Read(ini, c.section, c.key, c.fallback));
    }
}

TEST(IniTextTest, CutsToTheBufferAsTheProfileFunction)
{
    const IniText ini(L"[s]\nplain=abcdef\nquoted=\"abcdef\"\n");
    struct Case {
        const wchar_t* key;
        std::size_t capacity;
        std::wstring answer;
    };
    const Case cases[] = {
        {L"plain", 7, L"abcdef"}, {L"plain", 6, L"abcde"},  {L"plain", 1, L""},
        {L"quoted", 8, L"abcdef"},
        // A buffer as long as the value and its closing quote loses the value's last letter.
        {L"quoted", 7, L"abcde"}, {L"quoted", 6, L"abcde"}, {L"quoted", 2, L"a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.capacity);
        EXPECT_EQ(c.answer, Read(ini, L"s", c.key, L"", c.capacity));
    }
    std::wstring untouched = L"****";
    ini.Read(L"s", L"", L"fallback", &untouched[0], untouched.size());
    ini.Read(L"s", L"plain", L"fallback", &untouched[0], 0);
    EXPECT_EQ(L"****", untouched);
}

TEST(IniTextTest, AMissingFileGivesEveryFallback)
{
    const IniText missing;
    EXPECT_EQ(L"Unknow", Read(missing, L"AppName", L"0", L"\"Unknow\"  "));
    EXPECT_EQ(L"Unk", Read(missing, L"AppName", L"0", L"Unknow", 4));
}

TEST(IniTextTest, EncodingsByTheirMarks)
{
    struct Case {
        std::string bytes;
        IniEncoding encoding;
        std::size_t mark;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF[a]", IniEncoding::Utf8, 3},
        {"\xFF\xFE[\0", IniEncoding::Utf16LittleEndian, 2},
        {"\xFE\xFF\0[", IniEncoding::Utf16BigEndian, 2},
        {"[a]", IniEncoding::Ansi, 0},
        {"\xEF\xBB", IniEncoding::Ansi, 0},
        {"", IniEncoding::Ansi, 0},
    };
    for (const Case& c : cases) {
        std::size_t mark = 99;
        EXPECT_EQ(c.encoding, DetectIniEncoding(reinterpret_cast<const unsigned char*>(c.bytes.data()), c.bytes.size(), &mark));
        EXPECT_EQ(c.mark, mark);
    }
    const unsigned char little[] = {'[', 0, 0xE9, 0, ']', 0, 'x'};
    const unsigned char big[] = {0, '[', 0x30, 0x42, 0, ']'};
    EXPECT_EQ(L"[\u00E9]", DecodeUtf16(little, sizeof(little), false));
    EXPECT_EQ(L"[\u3042]", DecodeUtf16(big, sizeof(big), true));
}

}  // namespace
}  // namespace zep
