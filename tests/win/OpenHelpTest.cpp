// F1 help: the help file of the install folder is opened with the shell's "open" verb, from every
// window of a pair.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "SkinWindowProbe.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/config/LaunchConfig.h"
#include "launcher/tools/OpenHelp.h"

namespace {

// Makes "open" of a .mht file copy it to a marker file, so a test can see which file the shell opened.
class HelpFileProbe {
public:
    HelpFileProbe()
    {
        wchar_t programFiles[MAX_PATH];
        ::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, programFiles);
        m_folder = std::wstring(programFiles) + L"\\Zephra\\Zephra3";
        ::SHCreateDirectoryExW(nullptr, m_folder.c_str(), nullptr);
        m_help = m_folder + L"\\Help.mht";
        m_marker = std::wstring(programFiles) + L"\\zep_help_opened.txt";
        ::DeleteFileW(m_marker.c_str());
        HANDLE file = ::CreateFileW(m_help.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, "zephra help", 11, &written, nullptr);
        ::CloseHandle(file);

        ::RegCreateKeyExW(HKEY_CLASSES_ROOT, L".mht", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_extension, nullptr);
        wchar_t previous[128] = L"";
        DWORD bytes = sizeof(previous);
        if (::RegQueryValueExW(m_extension, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(previous), &bytes) ==
            ERROR_SUCCESS)
            m_previousClass = previous;
        SetString(m_extension, L"ZepHelpProbe");
        HKEY command = nullptr;
        ::RegCreateKeyExW(HKEY_CLASSES_ROOT, L"ZepHelpProbe\\shell\\open\\command", 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &command, nullptr);
        SetString(command, L"C:\\windows\\system32\\cmd.exe /c copy \"%1\" \"" + m_marker + L"\"");
        ::RegCloseKey(command);
    }
    ~HelpFileProbe()
    {
        if (m_previousClass.empty())
            ::RegDeleteValueW(m_extension, nullptr);
        else
            SetString(m_extension, m_previousClass);
        ::RegCloseKey(m_extension);
        ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L"ZepHelpProbe");
        ::DeleteFileW(m_help.c_str());
        ::DeleteFileW(m_marker.c_str());
    }
    // Waits up to 30 s for the marker; the text copied into it, or "" when the file was never opened.
    std::string WaitForOpenedText()
    {
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < 30000) {
            HANDLE file = ::CreateFileW(m_marker.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                char text[64] = {};
                DWORD read = 0;
                ::ReadFile(file, text, sizeof(text) - 1, &read, nullptr);
                ::CloseHandle(file);
                if (read > 0) {
                    ::DeleteFileW(m_marker.c_str());
                    return std::string(text, read);
                }
            }
            ::Sleep(50);
        }
        return std::string();
    }

private:
    static void SetString(HKEY key, const std::wstring& value)
    {
        ::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

    std::wstring m_folder;
    std::wstring m_help;
    std::wstring m_marker;
    std::wstring m_previousClass;
    HKEY m_extension = nullptr;
};

// F1 in either window of a pair asks the pair's owner, who opens the help file.
TEST(OpenHelpTest, HelpKeyOpensTheInstalledHelpFileFromEitherWindowOfAPair)
{
    HelpFileProbe probe;
    zep::CCtrlDialog pair;
    ASSERT_TRUE(pair.Background()->LoadPicture(300));
    ASSERT_TRUE(pair.CreatePair(IDD_SETTING_DIALOG));
    int asked = 0;
    for (HWND hwnd : {static_cast<HWND>(pair), static_cast<HWND>(*pair.Background())}) {
        HELPINFO info{};
        info.cbSize = sizeof(info);
        // Without an owner's answer the key does nothing, and still counts as handled.
        EXPECT_EQ(TRUE, ::SendMessageW(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&info)));
        EXPECT_EQ(0, asked);
        pair.SetHelpHandler([&asked] {
            ++asked;
            EXPECT_TRUE(zep::OpenHelp());
        });
        EXPECT_EQ(TRUE, ::SendMessageW(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&info)));
        EXPECT_EQ(1, asked);
        EXPECT_EQ("zephra help", probe.WaitForOpenedText());
        pair.SetHelpHandler(nullptr);
        asked = 0;
    }
    pair.DestroyWindow();
}

TEST(OpenHelpTest, MissingHelpFileIsReportedAsNotOpened)
{
    wchar_t help[MAX_PATH];
    ASSERT_TRUE(zep::GetInstallFilePath(L"Help.mht", help));
    ::DeleteFileW(help);
    EXPECT_FALSE(zep::OpenHelp());
}

}  // namespace
