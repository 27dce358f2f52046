// The launch configuration store against a real LaunchInfo.ini and the Wine registry.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "launcher/config/LaunchConfig.h"

namespace zep {
namespace {

const wchar_t kUserKey[] = L"SOFTWARE\\Zephra";
const wchar_t kMachineKey[] = L"Software\\Zephra";

std::wstring ProgramFiles()
{
    wchar_t folder[MAX_PATH];
    EXPECT_TRUE(GetProgramFilesFolder(folder));
    return folder;
}

std::wstring IniPath()
{
    wchar_t path[MAX_PATH];
    EXPECT_TRUE(GetInstallFilePath(L"LaunchInfo.ini", path));
    return path;
}

void WriteIni(const std::string& text)
{
    const std::wstring folder = ProgramFiles() + L"\\Zephra\\Zephra3";
    ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    std::ofstream out(IniPath().c_str(), std::ios::binary | std::ios::trunc);
    out << text;
}

void SetString(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& value, DWORD type = REG_SZ,
               bool terminated = true)
{
    HKEY h;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr));
    const DWORD bytes = static_cast<DWORD>((value.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExW(h, name, 0, type, reinterpret_cast<const BYTE*>(value.c_str()), bytes));
    ::RegCloseKey(h);
}

void SetDword(HKEY root, const wchar_t* key, const wchar_t* name, DWORD value)
{
    HKEY h;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExW(h, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4));
    ::RegCloseKey(h);
}

bool ReadDirection(DWORD* type, DWORD* value)
{
    DWORD bytes = sizeof(*value);
    return ::RegGetValueW(HKEY_CURRENT_USER, kUserKey, L"Direction", RRF_RT_ANY, type, value, &bytes) == ERROR_SUCCESS;
}

class LaunchConfigTest : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean()
    {
        ::DeleteFileW(IniPath().c_str());
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kUserKey);
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kMachineKey);
    }
};

TEST_F(LaunchConfigTest, WithoutAFileEverythingTakesItsDefault)
{
    CLaunchConfig config;
    config.ReadLaunchInfo();
    const std::wstring unknownFolder = ProgramFiles() + L"Unknow";
    for (int slot = 0; slot < kToolSlots; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_STREQ(L"Unknow", config.AppName(slot));
        EXPECT_STREQ(slot == 8 ? L"Unknow" : unknownFolder.c_str(), config.Entries()[slot].szPath);
        EXPECT_STREQ(L"Unknow", config.Entries()[slot].szExeName);
    }
    EXPECT_STREQ(L"Unknow", config.AlternativeAppName());
    for (const auto& edge : config.Positions())
        for (const auto& layout : edge)
            for (const CoordinatePair& p : layout)
                EXPECT_EQ((CoordinatePair{0, 0}), p);

    CoordinatePair places[kSettingButtons] = {{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}};
    ReadSettingPositions(places);
    for (const CoordinatePair& p : places)
        EXPECT_EQ((CoordinatePair{0, 0}), p);
}

TEST_F(LaunchConfigTest, ReadsSlotsPathsAndPlacesAsWritten)
{
    const std::string longName(70, 'n');
    WriteIni("[AppName]\r\n0=Bright\r\n2=Air\r\n8=Share\r\n9=" + longName + "\r\n6.1=GlowLite\r\n"
             "[Bright]\r\nExecutePath=\\Tools\\A\\\r\nExecuteName=Bright.exe\r\n"
             "[Air]\r\nExecutePath=Tools\\B\\\r\nExecuteName=Air.exe\r\n"
             "[Share]\r\nExecutePath=D:\\Share\\\r\nExecuteName=Share.exe\r\n"
             "[Main_Ctrl_Pos_R1]\r\n0=53,694\r\n7=82,422\r\n8= 45 , 422\r\n"
             "[Main_Ctrl_Pos_L2]\r\n1=32\r\n"
             "[Main_Ctrl_Pos_T3]\r\n5=,,640,-32\r\n"
             "[Main_Ctrl_Pos_B3]\r\n2=1234567890,5\r\n"
             "[Setting_Ctrl_Pos]\r\n0=24,52\r\n4=350,137\r\n");
    CLaunchConfig config;
    config.ReadLaunchInfo();

    EXPECT_STREQ(L"Bright", config.AppName(0));
    EXPECT_STREQ(L"Unknow", config.AppName(1));
    EXPECT_EQ(std::wstring(49, L'n'), config.AppName(9)) << "names hold 49 characters";
    EXPECT_STREQ(L"GlowLite", config.AlternativeAppName());

    struct PathCase {
        int slot;
        std::wstring path;
        const wchar_t* exe;
    };
    const PathCase paths[] = {
        {0, ProgramFiles() + L"\\Tools\\A\\", L"Bright.exe"},
        {2, ProgramFiles() + L"Tools\\B\\", L"Air.exe"},  // no leading backslash: the parts run together
        {8, L"D:\\Share\\", L"Share.exe"},                // slot 8 is a full path, used as written
        {1, ProgramFiles() + L"Unknow", L"Unknow"},
    };
    for (const PathCase& c : paths) {
        SCOPED_TRACE(c.slot);
        EXPECT_EQ(c.path, config.Entries()[c.slot].szPath);
        EXPECT_STREQ(c.exe, config.Entries()[c.slot].szExeName);
    }

    struct PlaceCase {
        int edge, layout, key;
        CoordinatePair expected;
    };
    const PlaceCase places[] = {
        {0, 1, 0, {53, 694}}, {0, 1, 7, {82, 422}}, {0, 1, 8, {45, 422}}, {1, 2, 1, {32, 0}},
        {2, 3, 5, {640, -32}}, {3, 3, 2, {123456789, 0}}, {0, 2, 0, {0, 0}},
    };
    for (const PlaceCase& c : places) {
        SCOPED_TRACE(testing::Message() << c.edge << "/" << c.layout << "/" << c.key);
        EXPECT_EQ(c.expected, config.Positions()[c.edge][c.layout - 1][c.key]);
    }

    CoordinatePair settings[kSettingButtons];
    ReadSettingPositions(settings);
    EXPECT_EQ((CoordinatePair{24, 52}), settings[0]);
    EXPECT_EQ((CoordinatePair{0, 0}), settings[1]);
    EXPECT_EQ((CoordinatePair{350, 137}), settings[4]);
}

TEST_F(LaunchConfigTest, AnInstallFolderTooLongForItsFieldIsLeftEmptyRatherThanCut)
{
    WriteIni("[AppName]\r\n3=Long\r\n[Long]\r\nExecutePath=\\" + std::string(255, 'x') + "\r\nExecuteName=L.exe\r\n");
    CLaunchConfig config;
    config.ReadLaunchInfo();
    EXPECT_STREQ(L"", config.Entries()[3].szPath);
    EXPECT_STREQ(L"L.exe", config.Entries()[3].szExeName);
}

TEST_F(LaunchConfigTest, EnsureDirectionValueCreatesKeepsOrReplaces)
{
    struct Case {
        const char* name;
        void (*prepare)();
        int expectedEdge;
    };
    const Case cases[] = {
        {"missing key is created with 0", [] {}, 0},
        {"REG_DWORD 2 stays", [] { SetDword(HKEY_CURRENT_USER, kUserKey, L"Direction", 2); }, 2},
        {"REG_DWORD 7 stays, whatever it is", [] { SetDword(HKEY_CURRENT_USER, kUserKey, L"Direction", 7); }, 7},
        {"REG_SZ is replaced by REG_DWORD 0", [] { SetString(HKEY_CURRENT_USER, kUserKey, L"Direction", L"3"); }, 0},
        {"key without the value gets 0", [] { SetDword(HKEY_CURRENT_USER, kUserKey, L"Other", 1); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Clean();
        c.prepare();
        int edge = -1;
        ASSERT_TRUE(EnsureDirectionValue(&edge));
        EXPECT_EQ(c.expectedEdge, edge);
        DWORD type = 0, value = 99;
        ASSERT_TRUE(ReadDirection(&type, &value));
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
        EXPECT_EQ(static_cast<DWORD>(c.expectedEdge), value);
    }
}

TEST_F(LaunchConfigTest, EnsureDirectionValueFailsWhereTheKeyCanBeNeitherOpenedNorCreated)
{
    // HKEY_CURRENT_USER redirected to a volatile key: a lasting key cannot live under it.
    HKEY holder = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\ZepVolatileProbe", 0, nullptr,
                                               REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &holder, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, ::RegOverridePredefKey(HKEY_CURRENT_USER, holder));
    int edge = -1;
    const bool ensured = EnsureDirectionValue(&edge);
    ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    ::RegCloseKey(holder);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\ZepVolatileProbe");
    EXPECT_FALSE(ensured);
    EXPECT_EQ(-1, edge);
}

TEST_F(LaunchConfigTest, WriteDirectionNeedsTheKeyAndStoresADword)
{
    EXPECT_FALSE(WriteDirection(DockEdge::Top)) << "the key is not created by a write";
    int edge = -1;
    ASSERT_TRUE(EnsureDirectionValue(&edge));
    ASSERT_TRUE(WriteDirection(DockEdge::Bottom));
    DWORD type = 0, value = 0;
    ASSERT_TRUE(ReadDirection(&type, &value));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(3u, value);
}

TEST_F(LaunchConfigTest, RegistrySettingsGiveDirectionAndInstallPaths)
{
    std::string ini = "[AppName]\r\n";
    for (int slot = 0; slot < kToolSlots; ++slot)
        ini += std::to_string(slot) + "=Tool" + std::to_string(slot) + "\r\n";
    WriteIni(ini + "6.1=ToolAlt\r\n");
    CLaunchConfig config;
    config.ReadLaunchInfo();
    SetDword(HKEY_CURRENT_USER, kUserKey, L"Direction", 1);
    SetString(HKEY_LOCAL_MACHINE, kMachineKey, L"Tool0", L"C:\\Gone");
    EXPECT_TRUE(config.ReadRegistrySettings());
    EXPECT_STREQ(L"C:\\Gone", config.InstallPath(0));

    // No keys at all: the edge keeps its value, every path is empty.
    Clean();
    EXPECT_TRUE(config.ReadRegistrySettings());
    EXPECT_EQ(DockEdge::Left, config.StoredEdge());
    for (int slot = 0; slot < kToolSlots; ++slot)
        EXPECT_STREQ(L"", config.InstallPath(slot));
    EXPECT_STREQ(L"", config.AlternativeInstallPath());

    SetDword(HKEY_CURRENT_USER, kUserKey, L"Direction", 3);
    SetString(HKEY_LOCAL_MACHINE, kMachineKey, L"Tool0", L"C:\\Tools\\Zero");
    SetString(HKEY_LOCAL_MACHINE, kMachineKey, L"Tool1", L"%ProgramFiles%\\One", REG_EXPAND_SZ);
    SetString(HKEY_LOCAL_MACHINE, kMachineKey, L"Tool2", L"");
    SetDword(HKEY_LOCAL_MACHINE, kMachineKey, L"Tool3", 5);
    SetString(HKEY_LOCAL_MACHINE, kMachineKey, L"Tool4", L"C:\\Unterminated", REG_SZ, false);
    SetString(HKEY_LOCAL_MACHINE, kMachineKey, L"Tool5", std::wstring(300, L'p'));
    SetString(HKEY_LOCAL_MACHINE, kMachineKey, L"Tool6", std::wstring(259, L'q'));
    SetString(HKEY_LOCAL_MACHINE, kMachineKey, L"ToolAlt", L"C:\\Alt");
    EXPECT_TRUE(config.ReadRegistrySettings());
    EXPECT_EQ(DockEdge::Bottom, config.StoredEdge());

    struct Case {
        int slot;
        std::wstring expected;
    };
    const Case cases[] = {
        {0, L"C:\\Tools\\Zero"},
        {1, L"%ProgramFiles%\\One"},  // not expanded
        {2, L""},
        {3, L""},  // not a string
        {4, L"C:\\Unterminated"},
        {5, L""},  // longer than a path: absent, not cut (a cut path could name another folder)
        {6, std::wstring(259, L'q')},
        {7, L""},  // missing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        EXPECT_EQ(c.expected, config.InstallPath(c.slot));
    }
    EXPECT_STREQ(L"C:\\Alt", config.AlternativeInstallPath());

    // Each stored number reads as an edge other than the one before it, so every row shows a fresh read.
    struct EdgeCase {
        DWORD stored;
        DockEdge edge;
    };
    for (const EdgeCase& c : {EdgeCase{2, DockEdge::Top}, EdgeCase{4, DockEdge::Right}, EdgeCase{3, DockEdge::Bottom},
                              EdgeCase{0xFFFFFFFF, DockEdge::Right}}) {
        SetDword(HKEY_CURRENT_USER, kUserKey, L"Direction", c.stored);
        config.ReadRegistrySettings();
        EXPECT_EQ(c.edge, config.StoredEdge()) << c.stored;
    }
}

// The file read once answers every question as the system's profile function reads it, in each encoding
// the system reads.
TEST(IniReaderTest, AnswersAsTheSystemFunction)
{
    const std::wstring common = L"orphan=x\r\n[AppName]\r\n0=ZepBright\r\n  1 \t=   ZepSaver   \r\nquoted=\"C:\\T\"\n"
                                L"single='x'\nlonely=\"\nmixed=\"x'\nnovalue\nempty=\n1=again\n[ Spaced ]\nk=s\n"
                                L"[appname]\n2=second\n[Unclosed\n[a]b]\nk=last\n\x1A\n";
    const std::wstring wide = common + L"[\u00DCn\u00EF]\n\u00E9=\u00C9t\u00E9\n";
    auto utf16 = [](const std::wstring& text, bool big) {
        std::string bytes = big ? "\xFE\xFF" : "\xFF\xFE";
        for (wchar_t c : text) {
            const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
            bytes += big ? std::string{high, low} : std::string{low, high};
        }
        return bytes;
    };
    auto utf8 = [](const std::wstring& text) {
        const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
        std::string bytes(static_cast<size_t>(n), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], n, nullptr, nullptr);
        return "\xEF\xBB\xBF" + bytes;
    };
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"ANSI", std::string(common.begin(), common.end())},
        {"UTF-8", utf8(wide)},
        {"UTF-16", utf16(wide, false)},
        {"UTF-16 big-endian", utf16(wide, true)},
        {"UTF-16 of odd length", utf16(wide, false) + "x"},
    };
    const wchar_t* sections[] = {L"AppName", L" appNAME\t", L"Spaced", L" Spaced ", L"a]b", L"Unclosed", L"",
                                 L"\u00FCN\u00CF", L"missing"};
    const wchar_t* keys[] = {L"0", L" 1 ", L"quoted", L"single", L"lonely", L"mixed", L"novalue", L"empty",
                             L"2", L"k", L"orphan", L"\u00C9", L"missing"};
    const wchar_t* fallbacks[] = {L"Unknow", L"0,0  ", L"'q'"};
    const DWORD capacities[] = {64, 7, 6, 2, 1};
    test::TempFolder folder;
    const std::wstring path = folder.path() + L"probe.ini";
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        {
            std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
            out << file.bytes;
        }
        const IniText ini = ReadIniFile(path.c_str());
        int questions = 0;
        for (const wchar_t* section : sections)
            for (const wchar_t* key : keys)
                for (const wchar_t* fallback : fallbacks)
                    for (DWORD capacity : capacities) {
                        std::wstring system(65, L'*');
                        std::wstring ours(65, L'*');
                        ::GetPrivateProfileStringW(section, key, fallback, &system[0], capacity, path.c_str());
                        ini.Read(section, key, fallback, &ours[0], capacity);
                        ASSERT_EQ(system, ours) << "[" << section << "] " << key << " / " << fallback << " / " << capacity;
                        ++questions;
                    }
        EXPECT_EQ(9 * 13 * 3 * 5, questions);
    }
    ::DeleteFileW(path.c_str());
    // A file that is not there.
    std::wstring system(16, L'*');
    std::wstring ours(16, L'*');
    ::GetPrivateProfileStringW(L"AppName", L"0", L"'Unknow'  ", &system[0], 16, path.c_str());
    ReadIniFile(path.c_str()).Read(L"AppName", L"0", L"'Unknow'  ", &ours[0], 16);
    EXPECT_EQ(system, ours);
}

}  // namespace
}  // namespace zep
