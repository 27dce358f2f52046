// Pure parsing of the launch configuration: coordinate pairs and fixed-size strings.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "launcher/config/CoordinatePair.h"
#include "launcher/config/FixedString.h"

namespace zep {
namespace {

struct PairCase {
    const wchar_t* value;
    int x;
    int y;
};

class CoordinatePairTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(CoordinatePairTest, Parses)
{
    const PairCase& c = GetParam();
    const CoordinatePair p = ParseCoordinatePair(c.value);
    EXPECT_EQ(c.x, p.x);
    EXPECT_EQ(c.y, p.y);
}

INSTANTIATE_TEST_SUITE_P(Values, CoordinatePairTest,
                         ::testing::Values(PairCase{L"12,345", 12, 345},          // plain
                                           PairCase{L"0,0", 0, 0},                // the file default
                                           PairCase{L"77", 77, 0},                // no comma: y is 0
                                           PairCase{L" 5, 6", 5, 6},              // space before both
                                           PairCase{L"\t-20,+30", -20, 30},       // signs
                                           PairCase{L",,4,,9", 4, 9},             // empty pieces skipped
                                           PairCase{L",8", 8, 0},                 // leading comma skipped
                                           PairCase{L"Unknow", 0, 0},             // no digits at all
                                           PairCase{L"12abc,7x", 12, 7},          // digits up to another char
                                           PairCase{L"", 0, 0},                   // empty
                                           PairCase{L"1,2,3", 1, 2},              // third piece ignored
                                           PairCase{L"123456,789", 123456, 78},   // cut to nine characters
                                           PairCase{L"123456789,5", 123456789, 0},// second piece cut away
                                           PairCase{L"- 5,3", 0, 3},              // sign without digits
                                           PairCase{L"999999999", 999999999, 0}));

TEST(CoordinatePairNullTest, NullIsOrigin)
{
    EXPECT_EQ((CoordinatePair{0, 0}), ParseCoordinatePair(nullptr));
}

TEST(FixedStringTest, CopyCutsToCapacityAndAlwaysTerminates)
{
    struct Case {
        const wchar_t* source;
        std::size_t capacity;
        const wchar_t* expected;
        bool whole;
    };
    const Case cases[] = {
        {L"abc", 10, L"abc", true},
        {L"abcdef", 4, L"abc", false},
        {L"abc", 4, L"abc", true},  // exactly fits with its terminator
        {L"", 1, L"", true},
        {nullptr, 5, L"", true},
    };
    for (const Case& c : cases) {
        wchar_t buffer[16];
        std::wmemset(buffer, L'#', 16);
        EXPECT_EQ(c.whole, CopyTruncated(buffer, c.capacity, c.source));
        EXPECT_STREQ(c.expected, buffer);
        EXPECT_EQ(L'#', buffer[c.capacity]) << "wrote past the capacity";
    }
}

TEST(FixedStringTest, JoinKeepsThePartsTogetherOrLeavesNothing)
{
    wchar_t buffer[kPathChars];
    EXPECT_TRUE(JoinOrEmpty(buffer, kPathChars, L"C:\\Program Files (x86)", L"\\Tools\\A\\"));
    EXPECT_STREQ(L"C:\\Program Files (x86)\\Tools\\A\\", buffer);
    EXPECT_TRUE(JoinOrEmpty(buffer, kPathChars, L"C:\\Program Files (x86)", L"Tools"));
    EXPECT_STREQ(L"C:\\Program Files (x86)Tools", buffer) << "the parts run together without a backslash";

    const std::wstring first(200, L'a');
    const std::wstring fits(59, L'b');  // 259 characters in all
    EXPECT_TRUE(JoinOrEmpty(buffer, kPathChars, first.c_str(), fits.c_str()));
    EXPECT_EQ(259u, std::wcslen(buffer));
    const std::wstring tooLong(60, L'b');  // 260 characters: no room for the terminator
    EXPECT_FALSE(JoinOrEmpty(buffer, kPathChars, first.c_str(), tooLong.c_str()));
    EXPECT_STREQ(L"", buffer);
}

TEST(FixedStringTest, ReceivedStringsEndAtTheirFirstNulOrTheirLengthOrTheBuffer)
{
    struct Case {
        std::wstring raw;  // what the registry delivered, without an added terminator
        std::size_t available;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"abc", 3, L"abc"},                 // not terminated
        {std::wstring(L"ab\0cd", 5), 5, L"ab"},  // embedded NUL
        {L"abcdef", 6, L"abc"},              // fills a 4-character buffer
        {L"", 0, L""},
    };
    for (const Case& c : cases) {
        wchar_t buffer[4] = {L'#', L'#', L'#', L'#'};
        std::wmemcpy(buffer, c.raw.data(), std::min<std::size_t>(c.raw.size(), 4));
        TerminateReceived(buffer, 4, c.available);
        EXPECT_STREQ(c.expected, buffer);
    }
}

}  // namespace
}  // namespace zep
