// Install-path presence as the file search sees it, against a real folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/ResourceCounter.h"
#include "launcher/dock/ToolPresence.h"

namespace zep {
namespace {

class ToolPresenceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        ASSERT_NE(0u, ::GetTempPathW(MAX_PATH, temp));
        m_folder = std::wstring(temp) + L"ZepPresence" + std::to_wstring(::GetCurrentProcessId());
        ASSERT_TRUE(::CreateDirectoryW(m_folder.c_str(), nullptr));
        ASSERT_TRUE(::CreateDirectoryW((m_folder + L"\\Tool A").c_str(), nullptr));
        const HANDLE file = ::CreateFileW((m_folder + L"\\Tool A\\Tool.exe").c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        ::CloseHandle(file);
    }
    void TearDown() override
    {
        ::DeleteFileW((m_folder + L"\\Tool A\\Tool.exe").c_str());
        ::RemoveDirectoryW((m_folder + L"\\Tool A").c_str());
        ::RemoveDirectoryW(m_folder.c_str());
    }
    std::wstring m_folder;
};

TEST_F(ToolPresenceTest, AnswersAsTheFileSearch)
{
    struct Case {
        std::wstring path;
        bool exists;
    };
    const Case cases[] = {
        {m_folder + L"\\Tool A", true},               // a folder
        {m_folder + L"\\Tool A\\Tool.exe", true},     // a file
        {m_folder + L"\\tool a\\TOOL.EXE", true},     // names are matched without case
        {m_folder + L"\\Tool A\\", false},            // trailing backslash: the search finds nothing
        {m_folder + L"\\Tool A\\*.exe", true},        // wildcard with a match
        {m_folder + L"\\Tool ?", true},
        {m_folder + L"\\Tool A\\*.dll", false},       // wildcard without a match
        {m_folder + L"\\Tool B", false},              // missing
        {m_folder + L"\\Tool B\\Tool.exe", false},    // under a missing folder
        {L"", false},                                 // empty install path (value missing)
    };
    const long before = ResourceCounter::Live(ResourceKind::FindHandle);
    for (const Case& c : cases) {
        EXPECT_EQ(c.exists, InstallPathExists(c.path.c_str())) << std::string(c.path.begin(), c.path.end());
        EXPECT_EQ(before, ResourceCounter::Live(ResourceKind::FindHandle));
    }
    EXPECT_FALSE(InstallPathExists(nullptr));
}

}  // namespace
}  // namespace zep
