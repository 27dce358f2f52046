// The path of the hook library beside the assistant program.
#include <gtest/gtest.h>

#include <string>

#include "shared/SiblingPath.h"

namespace zep {
namespace {

struct SiblingCase {
    const wchar_t* module;
    const wchar_t* file;
    const wchar_t* expected;
};

class SiblingPathTest : public ::testing::TestWithParam<SiblingCase> {};

TEST_P(SiblingPathTest, Composes)
{
    const SiblingCase& c = GetParam();
    EXPECT_EQ(std::wstring(c.expected), SiblingPath(c.module, c.file));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SiblingPathTest,
    ::testing::Values(
        SiblingCase{L"C:\\Program Files (x86)\\Zephra\\Zephra3\\ZepAssistant64.exe", L"ZepHook64.dll",
                    L"C:\\Program Files (x86)\\Zephra\\Zephra3\\ZepHook64.dll"},
        SiblingCase{L"C:\\a.b\\c\\prog", L"x.dll", L"C:\\a.b\\c\\x.dll"},           // dots in folders
        SiblingCase{L"Z:/work/build/bin/p.exe", L"x.dll", L"Z:/work/build/bin/x.dll"},  // forward slashes
        SiblingCase{L"C:\\a/b\\p.exe", L"x.dll", L"C:\\a/b\\x.dll"},                 // mixed: the last one counts
        SiblingCase{L"\\\\server\\share\\p.exe", L"x.dll", L"\\\\server\\share\\x.dll"},  // UNC
        SiblingCase{L"C:\\p.exe", L"x.dll", L"C:\\x.dll"},                           // drive root
        SiblingCase{L"C:\\dir\\", L"x.dll", L"C:\\dir\\x.dll"},                      // folder given
        SiblingCase{L"p.exe", L"x.dll", L""},     // no folder: never a bare name, it would search the current folder
        SiblingCase{L"C:p.exe", L"x.dll", L""},   // drive-relative: the same
        SiblingCase{L"", L"x.dll", L""},          // no module path at all
        SiblingCase{L"C:\\dir\\p.exe", L"", L""}  // no file name
        ));

}  // namespace
}  // namespace zep
