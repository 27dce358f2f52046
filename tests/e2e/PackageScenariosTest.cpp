// The installer packages, through msiexec: install, upgrade over a running dock, a refused downgrade, and an
// uninstall that leaves drive C: and the software keys as they were.

#include "E2e.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "ZepVersion.h"

namespace zep::e2e {
namespace {

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }
DWORD Msiexec(const std::wstring& arguments) { return Run(L"msiexec.exe " + arguments); }

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), ::towlower);
    return text;
}
bool EndsWith(const std::wstring& text, const std::wstring& tail)
{
    return text.size() > tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}
// Every file and folder of drive C: but the temporary folders and the installer's own package cache, without
// following links (a prefix links some user folders to the Unix home).
void ListFolder(const std::wstring& folder, std::set<std::wstring>& out)
{
    WIN32_FIND_DATAW found = {};
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name, lower = Lower(path);
        if (lower == L"c:\\windows\\temp" || lower == L"c:\\windows\\installer" ||
            (lower.rfind(L"c:\\users\\", 0) == 0 && EndsWith(lower, L"\\temp")))
            continue;
        out.insert(path);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            ListFolder(path, out);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

// The machine and user software keys, as regedit exports them.
std::set<std::wstring> ExportedKeys()
{
    std::set<std::wstring> lines;
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"zep-e2e-keys.reg";
    for (const wchar_t* key : {L"HKEY_LOCAL_MACHINE\\Software", L"HKEY_CURRENT_USER\\Software"}) {
        EXPECT_EQ(0u, Run(L"regedit.exe /E " + Quoted(file) + L" " + key));
        const std::string bytes = ReadFileBytes(file);
        std::wistringstream text(std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2));
        bool wineOwn = false;
        for (std::wstring line; std::getline(text, line);) {
            if (!line.empty() && line.back() == L'\r') line.pop_back();
            // Not the package's: Wine's volatile copy of the system parameters, made by the first program of a
            // wineserver that reads them (the launcher, when this case runs first).
            if (line.rfind(L"[", 0) == 0)
                wineOwn = line.find(L"\\Software\\Wine\\Temporary System Parameters") != std::wstring::npos;
            if (!wineOwn) lines.insert(std::wstring(key) + L"|" + line);
        }
        ::DeleteFileW(file.c_str());
    }
    return lines;
}

struct Snapshot {
    std::set<std::wstring> files, keys;
    Snapshot() { ListFolder(L"C:", files), keys = ExportedKeys(); }
};

::testing::AssertionResult Same(const std::set<std::wstring>& before, const std::set<std::wstring>& after)
{
    std::vector<std::wstring> gone, added;
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(gone));
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
    if (gone.empty() && added.empty()) return ::testing::AssertionSuccess();
    auto result = ::testing::AssertionFailure() << gone.size() << " gone, " << added.size() << " added:";
    for (const auto* list : {&gone, &added}) {
        for (size_t i = 0; i < list->size() && i < 5; ++i)
            result << " " << (list == &gone ? "-" : "+") << std::string((*list)[i].begin(), (*list)[i].end());
    }
    return result;
}

// The package's files (staged beside it) in the launcher's and the assistant's folders.
void ExpectFilesOf(const std::wstring& package, const std::wstring& launcherFolder, const std::wstring& assistantFolder)
{
    const std::wstring stage = package + L".stage\\";
    for (const wchar_t* name : {L"Zephra3.exe", L"LaunchInfo.ini", L"Help.mht"})
        EXPECT_EQ(ReadFileBytes(stage + name), ReadFileBytes(launcherFolder + name)) << std::string(name, name + wcslen(name));
    for (const wchar_t* name : {L"ZepAssistant64.exe", L"ZepHook64.dll"})
        EXPECT_EQ(ReadFileBytes(stage + name), ReadFileBytes(assistantFolder + name)) << std::string(name, name + wcslen(name));
}
int StartMenuShortcuts()
{
    std::set<std::wstring> files;
    for (const wchar_t* root : {L"C:\\ProgramData", L"C:\\users"}) ListFolder(root, files);
    return static_cast<int>(std::count_if(files.begin(), files.end(), [](const std::wstring& file) {
        return EndsWith(Lower(file), L"\\start menu\\programs\\zephra\\zephra3.lnk");
    }));
}
std::wstring AutostartValue(REGSAM view)
{
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    HKEY run = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_READ | view,
                        &run) == ERROR_SUCCESS) {
        ::RegQueryValueExW(run, L"Zephra3", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
        ::RegCloseKey(run);
    }
    return value;
}

// Waits for a message box, a window with a control whose text holds `text`, and presses its first button.
bool DismissMessage(const wchar_t* text)
{
    HWND box = nullptr;
    WaitUntil([&] {
        for (HWND w = ::GetTopWindow(nullptr); w && !box; w = ::GetWindow(w, GW_HWNDNEXT)) {
            for (HWND c = ::FindWindowExW(w, nullptr, nullptr, nullptr); c && !box; c = ::FindWindowExW(w, c, nullptr, nullptr))
                box = TextOf(c).find(text) != std::wstring::npos ? w : nullptr;
        }
        return box != nullptr;
    }, kStarts);
    return box && ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

class Packages : public DockTest {
protected:
    // The program of the autostart value, as the shell starts it at logon.
    void StartByAutostart()
    {
        std::wstring command = AutostartValue(KEY_WOW64_64KEY);
        command.erase(std::remove(command.begin(), command.end(), L'"'), command.end());
        StartLauncher(command);
        ASSERT_TRUE(LauncherReady());
        EXPECT_TRUE(WindowAt(kBarTitle, {1920, 20, 133, 1040}));
        EXPECT_TRUE(WaitUntil([] { return Assistant() != nullptr; })) << "no assistant";
    }
    void ExpectDockEnded()
    {
        EXPECT_TRUE(NoProcessNamed(L"Zephra3.exe")) << "the launcher still runs";
        EXPECT_TRUE(NoProcessNamed(ZEP_ASSISTANT64_EXE)) << "the assistant still runs";
    }
};

// A quiet install puts the files, the autostart value and the shortcut in place and the launcher starts from
// the autostart value; a newer package installed while it runs closes it and leaves one installed product;
// the older package is then refused with its message; the uninstall, over a launcher that no longer answers,
// leaves drive C: and the software keys as they were (the user's Direction included) and no process of the
// dock.
TEST_F(Packages, TestPackageInstallUpgradeDowngradeUninstall)
{
    const std::wstring package = TestPackage(), next = TestPackage(1);
    const std::wstring nextVersion = next.substr(next.rfind(L'-') + 1, next.size() - next.rfind(L'-') - 5);
    ASSERT_EQ(0u, Msiexec(L"/x " + Quoted(package) + L" /qn")) << "uninstall of the demo's package";
    const Snapshot before;

    ASSERT_EQ(0u, Msiexec(L"/i " + Quoted(package) + L" /qn"));
    ExpectFilesOf(package, kOwnFolder, kAssistantFolder);
    EXPECT_EQ(L"\"C:\\Program Files\\Zephra\\Zephra3\\Zephra3.exe\"", AutostartValue(KEY_WOW64_64KEY));
    EXPECT_EQ(1, StartMenuShortcuts());
    StartByAutostart();

    EXPECT_EQ(0u, Msiexec(L"/i " + Quoted(next) + L" /qn")) << "over the running dock";
    ExpectDockEnded();
    EXPECT_EQ(std::vector<std::wstring>{nextVersion}, InstalledTestVersions());
    ExpectFilesOf(next, kOwnFolder, kAssistantFolder);

    HANDLE downgrade = Start(L"msiexec.exe /i " + Quoted(package) + L" /qb");
    ASSERT_TRUE(downgrade);
    EXPECT_TRUE(DismissMessage(L"A newer version of Zephra3 is already installed")) << "no message for the downgrade";
    EXPECT_EQ(1603u, ExitCodeOf(downgrade)) << "msiexec status of the downgrade";
    EXPECT_EQ(std::vector<std::wstring>{nextVersion}, InstalledTestVersions()) << "after the downgrade";

    // This time the launcher does not answer (its process is stopped): the package ends it by force, and the
    // assistant ends with it.
    StartByAutostart();
    using SuspendProcess = LONG(NTAPI*)(HANDLE);
    const auto suspend = reinterpret_cast<SuspendProcess>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtSuspendProcess")));
    HANDLE frozen = ::OpenProcess(PROCESS_SUSPEND_RESUME, FALSE, m_launchers.back()->processId());
    ASSERT_TRUE(frozen && suspend);
    EXPECT_EQ(0, suspend(frozen));
    ::CloseHandle(frozen);
    EXPECT_EQ(0u, Msiexec(L"/x " + Quoted(next) + L" /qn")) << "over a launcher that does not answer";
    ExpectDockEnded();
    EXPECT_EQ(0, StartMenuShortcuts());
    EXPECT_EQ(L"0x0", StoredEdge()) << "Direction after the uninstall";
    const Snapshot after;
    EXPECT_TRUE(Same(before.files, after.files)) << "files after install, upgrade and uninstall";
    EXPECT_TRUE(Same(before.keys, after.keys)) << "software keys after install, upgrade and uninstall";
}

// The release package, built by the win32 preset: everything in Program Files (x86)\Zephra\Zephra3 with the
// 32-bit launcher, the autostart value in the 32-bit registry view, and a clean uninstall. (Its 32-bit
// launcher cannot run here.)
TEST_F(Packages, ReleasePackageInstallAndUninstall)
{
    wchar_t release[MAX_PATH] = {};
    const std::wstring relative = BuildFolder() + L"..\\win32\\packages\\Zephra3-" +
                                  std::wstring(ZEP_VERSION_TEXT, ZEP_VERSION_TEXT + sizeof(ZEP_VERSION_TEXT) - 1) + L".msi";
    ::GetFullPathNameW(relative.c_str(), MAX_PATH, release, nullptr);
    if (::GetFileAttributesW(release) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no release package (build the win32 preset after the win64 one)";
    const std::wstring folder = kAssistantFolder;
    ASSERT_EQ(0u, Msiexec(L"/x " + Quoted(TestPackage()) + L" /qn")) << "uninstall of the demo's package";
    // The 32-bit view's list of installed programs, there on every Windows, is missing from a new Wine prefix:
    // the first 32-bit package makes it (and rightly leaves it).
    HKEY uninstall = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
                                               0, nullptr, 0, KEY_READ, nullptr, &uninstall, nullptr));
    ::RegCloseKey(uninstall);
    const Snapshot before;

    ASSERT_EQ(0u, Msiexec(L"/i " + Quoted(release) + L" /qn"));
    ExpectFilesOf(release, folder, folder);
    EXPECT_EQ(ReadFileBytes(std::wstring(release) + L".stage\\launcher\\ZepHook.dll"), ReadFileBytes(folder + L"ZepHook.dll"));
    // The launcher is a 32-bit program: machine type 0x14c in its PE header.
    const std::string launcher = ReadFileBytes(folder + L"Zephra3.exe");
    ASSERT_GT(launcher.size(), 0x100u);
    const size_t pe = *reinterpret_cast<const DWORD*>(&launcher[0x3c]);
    ASSERT_LT(pe + 6, launcher.size());
    EXPECT_EQ(IMAGE_FILE_MACHINE_I386, *reinterpret_cast<const WORD*>(&launcher[pe + 4]));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(L"C:\\Program Files\\Zephra\\Zephra3"))
        << "the release package wrote into Program Files";
    EXPECT_EQ(L"\"C:\\Program Files (x86)\\Zephra\\Zephra3\\Zephra3.exe\"", AutostartValue(KEY_WOW64_32KEY));
    EXPECT_EQ(L"", AutostartValue(KEY_WOW64_64KEY));
    EXPECT_EQ(1, StartMenuShortcuts());
    EXPECT_EQ(0u, Msiexec(L"/x " + Quoted(release) + L" /qn"));
    const Snapshot after;
    EXPECT_TRUE(Same(before.files, after.files)) << "files after the release package's install and uninstall";
    EXPECT_TRUE(Same(before.keys, after.keys)) << "software keys after the release package's install and uninstall";
}

}  // namespace
}  // namespace zep::e2e
