#include "launcher/config/LaunchConfig.h"

#include <shlobj.h>

#include <cwchar>
#include <vector>

#include "framework/UniqueResource.h"

namespace zep {
namespace {

const wchar_t kUserKey[] = L"SOFTWARE\\Zephra";
const wchar_t kMachineKey[] = L"Software\\Zephra";
const wchar_t kDirectionValue[] = L"Direction";
const wchar_t kUnknown[] = L"Unknow";
const wchar_t kAppNameSection[] = L"AppName";
const REGSAM kUserAccess = KEY_READ | KEY_WRITE;

// Section formats of the button places, in edge order.
const wchar_t* const kPositionSections[kDockEdges] = {L"Main_Ctrl_Pos_R%d", L"Main_Ctrl_Pos_L%d",
                                                      L"Main_Ctrl_Pos_T%d", L"Main_Ctrl_Pos_B%d"};

// Larger files are taken as missing: the launch configuration is a few kilobytes.
constexpr LONGLONG kLargestIniBytes = 16 * 1024 * 1024;

std::wstring MultiByteText(UINT codePage, const char* bytes, int count)
{
    const int length = count > 0 ? ::MultiByteToWideChar(codePage, 0, bytes, count, nullptr, 0) : 0;
    std::wstring text(static_cast<size_t>(length), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(codePage, 0, bytes, count, &text[0], length);
    return text;
}

CoordinatePair ReadPair(const IniText& ini, const wchar_t* section, const wchar_t* key, const wchar_t* fallback)
{
    wchar_t value[kCoordinatePairChars + 1];
    ini.Read(section, key, fallback, value, kCoordinatePairChars + 1);
    return ParseCoordinatePair(value);
}

// Reads a string value of at most kPathChars - 1 characters. Longer ones give an empty string, as values of
// other types and missing values do: a cut path could name another, existing folder.
void ReadPathValue(HKEY key, const wchar_t* name, wchar_t (&out)[kPathChars])
{
    out[0] = L'\0';
    DWORD type = 0;
    DWORD bytes = sizeof(out);
    LSTATUS status = ::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(out), &bytes);
    if (status == ERROR_MORE_DATA && (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::vector<wchar_t> whole(bytes / sizeof(wchar_t) + 1);
        bytes = static_cast<DWORD>(whole.size() * sizeof(wchar_t));
        status = ::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(whole.data()), &bytes);
        if (status == ERROR_SUCCESS) {
            TerminateReceived(whole.data(), whole.size(), bytes / sizeof(wchar_t));
            if (std::wcslen(whole.data()) < kPathChars)
                CopyTruncated(out, kPathChars, whole.data());
        }
        return;
    }
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        out[0] = L'\0';
        return;
    }
    // The stored string need not be terminated, nor end where its size says.
    TerminateReceived(out, kPathChars, bytes / sizeof(wchar_t));
}

// Opens the per-user key for reading and writing or, where the profile lets it be read but not written,
// for reading only: the edge stored there is still the user's choice.
LSTATUS OpenUserKey(UniqueHkey& key, bool* writable)
{
    LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, kUserKey, 0, kUserAccess, key.put());
    *writable = status == ERROR_SUCCESS;
    if (status == ERROR_ACCESS_DENIED)
        status = ::RegOpenKeyExW(HKEY_CURRENT_USER, kUserKey, 0, KEY_READ, key.put());
    return status;
}

bool WriteDirectionValue(HKEY key, DWORD edge)
{
    return ::RegSetValueExW(key, kDirectionValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&edge),
                            sizeof(edge)) == ERROR_SUCCESS;
}

}  // namespace

CLaunchConfig::CLaunchConfig() noexcept
    : m_szAppName(), m_szAppName61(), m_LaunchEntry(), m_ptCtrlPos(), m_szInstallPath(), m_szInstallPath61(),
      m_nDirection(DockEdge::Right)
{
}

IniText ReadIniFile(const wchar_t* path)
{
    const UniqueFileHandle file(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!path[0] || !file.valid() || !::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        size.QuadPart > kLargestIniBytes)
        return IniText();
    std::vector<unsigned char> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && !::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return IniText();
    bytes.resize(read);
    size_t mark = 0;
    const IniEncoding encoding = DetectIniEncoding(bytes.data(), bytes.size(), &mark);
    const unsigned char* text = bytes.data() + mark;
    const size_t count = bytes.size() - mark;
    switch (encoding) {
    case IniEncoding::Utf16LittleEndian:
    case IniEncoding::Utf16BigEndian:
        return IniText(DecodeUtf16(text, count, encoding == IniEncoding::Utf16BigEndian));
    case IniEncoding::Utf8:
        return IniText(MultiByteText(CP_UTF8, reinterpret_cast<const char*>(text), static_cast<int>(count)));
    case IniEncoding::Ansi:
        break;
    }
    return IniText(MultiByteText(CP_ACP, reinterpret_cast<const char*>(text), static_cast<int>(count)));
}

bool GetProgramFilesFolder(wchar_t (&folder)[MAX_PATH])
{
    if (SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, folder)))
        return true;
    folder[0] = L'\0';
    return false;
}

bool GetInstallFilePath(const wchar_t* file, wchar_t (&path)[MAX_PATH])
{
    wchar_t folder[MAX_PATH];
    path[0] = L'\0';
    if (!GetProgramFilesFolder(folder))
        return false;
    const int n = std::swprintf(path, MAX_PATH, L"%ls\\Zephra\\Zephra3\\%ls", folder, file);
    if (n < 0 || n >= MAX_PATH) {
        path[0] = L'\0';
        return false;
    }
    return true;
}

void CLaunchConfig::ReadLaunchInfo()
{
    wchar_t programFiles[MAX_PATH];
    GetProgramFilesFolder(programFiles);
    wchar_t file[MAX_PATH];
    GetInstallFilePath(L"LaunchInfo.ini", file);
    const IniText ini = ReadIniFile(file);

    for (int slot = 0; slot < kToolSlots; ++slot) {
        wchar_t key[16];
        std::swprintf(key, 16, L"%d", slot);

        ini.Read(kAppNameSection, key, kUnknown, m_szAppName[slot], kNameChars);
        ::OutputDebugStringW(m_szAppName[slot]);

        wchar_t path[kPathChars];
        ini.Read(m_szAppName[slot], L"ExecutePath", kUnknown, path, kPathChars);
        if (slot == 8)
            CopyTruncated(m_LaunchEntry[slot].szPath, kPathChars, path);
        else
            JoinOrEmpty(m_LaunchEntry[slot].szPath, kPathChars, programFiles, path);

        ini.Read(m_szAppName[slot], L"ExecuteName", kUnknown, m_LaunchEntry[slot].szExeName,
                          kNameChars);

        if (slot < kPositionKeys) {
            for (int layout = 1; layout <= kLayouts; ++layout) {
                for (DockEdge edge : kAllDockEdges) {
                    wchar_t section[20];
                    std::swprintf(section, 20, kPositionSections[EdgeIndex(edge)], layout);
                    m_ptCtrlPos[EdgeIndex(edge)][layout - 1][slot] = ReadPair(ini, section, key, L"0,0");
                }
            }
        }
    }

    ini.Read(kAppNameSection, L"6.1", kUnknown, m_szAppName61, kPathChars);
    ::OutputDebugStringW(m_szAppName61);
}

bool CLaunchConfig::ReadRegistrySettings()
{
    {
        UniqueHkey user;
        bool writable = false;
        if (OpenUserKey(user, &writable) == ERROR_SUCCESS) {
            DWORD edge = 0;
            DWORD bytes = sizeof(edge);
            if (::RegQueryValueExW(user.get(), kDirectionValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&edge),
                                   &bytes) == ERROR_SUCCESS &&
                bytes == sizeof(edge)) {
                m_nDirection = StoredDockEdge(static_cast<long>(static_cast<int>(edge)));
            }
        }
    }

    for (auto& path : m_szInstallPath)
        path[0] = L'\0';
    m_szInstallPath61[0] = L'\0';

    m_nMachineKeyWritten = 0;
    UniqueHkey machine;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kMachineKey, 0, KEY_READ, machine.put()) != ERROR_SUCCESS)
        return true;
    FILETIME written{};
    if (::RegQueryInfoKeyW(machine.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, &written) == ERROR_SUCCESS)
        m_nMachineKeyWritten = (static_cast<ULONGLONG>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
    for (int slot = 0; slot < kToolSlots; ++slot)
        ReadPathValue(machine.get(), m_szAppName[slot], m_szInstallPath[slot]);
    ReadPathValue(machine.get(), m_szAppName61, m_szInstallPath61);
    return true;
}

bool EnsureDirectionValue(int* edge)
{
    UniqueHkey key;
    bool writable = false;
    const LSTATUS opened = OpenUserKey(key, &writable);
    if (opened == ERROR_SUCCESS) {
        DWORD value = 0;
        DWORD type = 0;
        DWORD bytes = sizeof(value);
        if (::RegQueryValueExW(key.get(), kDirectionValue, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                               &bytes) == ERROR_SUCCESS &&
            type == REG_DWORD && bytes == sizeof(value)) {
            *edge = static_cast<int>(value);
            return true;
        }
        // A read-only key keeps its unusable value; the bar takes the right edge all the same.
        if (writable)
            WriteDirectionValue(key.get(), 0);
        *edge = 0;
        return true;
    }
    if (opened == ERROR_ACCESS_DENIED)
        return false;  // neither readable nor writable: nothing to create either

    UniqueHkey created;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, kUserKey, 0, nullptr, REG_OPTION_NON_VOLATILE, kUserAccess, nullptr,
                          created.put(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    UniqueHkey reopened;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kUserKey, 0, kUserAccess, reopened.put()) == ERROR_SUCCESS)
        created = std::move(reopened);
    WriteDirectionValue(created.get(), 0);
    *edge = 0;
    return true;
}

bool WriteDirection(DockEdge edge)
{
    UniqueHkey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kUserKey, 0, kUserAccess, key.put()) != ERROR_SUCCESS)
        return false;
    return WriteDirectionValue(key.get(), static_cast<DWORD>(EdgeIndex(edge)));
}

void ReadSettingPositions(CoordinatePair (&places)[kSettingButtons])
{
    wchar_t file[MAX_PATH];
    GetInstallFilePath(L"LaunchInfo.ini", file);
    const IniText ini = ReadIniFile(file);
    for (int i = 0; i < kSettingButtons; ++i) {
        wchar_t key[16];
        std::swprintf(key, 16, L"%d", i);
        places[i] = ReadPair(ini, L"Setting_Ctrl_Pos", key, kUnknown);
    }
}

}  // namespace zep
