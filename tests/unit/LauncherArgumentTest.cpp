// The launcher's process id on the assistant's command line.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "shared/LauncherArgument.h"

namespace zep {
namespace {

struct CommandLineCase {
    const char* name;
    const wchar_t* commandLine;
    std::optional<unsigned long> launcher;
};
std::ostream& operator<<(std::ostream& out, const CommandLineCase& row) { return out << row.name; }

class LauncherFromCommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(LauncherFromCommandLineTest, Reads)
{
    EXPECT_EQ(GetParam().launcher, LauncherFromCommandLine(GetParam().commandLine));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, LauncherFromCommandLineTest,
    ::testing::Values(
        CommandLineCase{"quoted_program", L"\"C:\\Program Files\\Zephra\\ZepAssistant64.exe\" /launcher:1234", 1234},
        CommandLineCase{"blanks_after", L"ZepAssistant64.exe\t/launcher:56 \t", 56},
        CommandLineCase{"largest", L"a.exe /launcher:4294967295", 4294967295ul},
        CommandLineCase{"beyond_32_bits", L"a.exe /launcher:4294967296", std::nullopt},
        CommandLineCase{"eleven_digits", L"a.exe /launcher:00000000012", std::nullopt},
        CommandLineCase{"zero", L"a.exe /launcher:0", std::nullopt},
        CommandLineCase{"no_digits", L"a.exe /launcher:", std::nullopt},
        CommandLineCase{"trailing_letters", L"a.exe /launcher:12x", std::nullopt},
        CommandLineCase{"program_alone", L"a.exe", std::nullopt},
        CommandLineCase{"empty", L"", std::nullopt},
        // The program's own path is no argument, however it is named.
        CommandLineCase{"in_quoted_program", L"\"C:\\x /launcher:7\\a.exe\"", std::nullopt},
        CommandLineCase{"not_last", L"a.exe /launcher:9 /other", std::nullopt}),
    [](const ::testing::TestParamInfo<CommandLineCase>& info) { return std::string(info.param.name); });

TEST(LauncherArgumentTest, ReadsBackWhatTheLauncherWrites)
{
    for (const unsigned long id : {1ul, 4ul, 65535ul, 4294967295ul})
        EXPECT_EQ(id, LauncherFromCommandLine(L"\"C:\\Zephra\\ZepAssistant64.exe\" " + LauncherArgument(id)));
}

}  // namespace
}  // namespace zep
