#include "launcher/system/RegistryWatcher.h"

#include <string>

#include "framework/UniqueResource.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {

constexpr DWORD kWatchedChanges =
    REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_ATTRIBUTES | REG_NOTIFY_CHANGE_LAST_SET | REG_NOTIFY_CHANGE_SECURITY;
// Where even the parent key cannot be watched, a missing key is looked for again this often.
constexpr DWORD kLookAgainMs = 5000;

unsigned Failed(const wchar_t* text)
{
    ::OutputDebugStringW(text);
    return 0;
}

// When the key was last written; zero when it cannot be opened.
ULONGLONG LastWritten(HKEY root, const wchar_t* subKey)
{
    UniqueHkey key;
    FILETIME written{};
    if (::RegOpenKeyExW(root, subKey, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS ||
        ::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, &written) != ERROR_SUCCESS)
        return 0;
    return (static_cast<ULONGLONG>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
}

}  // namespace

bool RegistryWatcher::Start(HKEY root, const wchar_t* subKey, HWND target, ULONGLONG seenWritten)
{
    if (Running())
        return false;
    m_hRoot = root;
    m_szSubKey = subKey;
    m_nSeenWritten = seenWritten;
    return CNotifyingWorker::Start(target);
}

unsigned RegistryWatcher::WatchReg()
{
    // The key's parent reports the key's creation and deletion (a watch on the key itself need not report
    // its own deletion), so the key is watched from there while it is missing, and beside it while it exists.
    const std::wstring subKey(m_szSubKey);
    const std::wstring::size_type slash = subKey.find_last_of(L'\\');
    const std::wstring parentName = slash == std::wstring::npos ? std::wstring() : subKey.substr(0, slash);
    UniqueHkey parent;
    if (::RegOpenKeyExW(m_hRoot, parentName.empty() ? nullptr : parentName.c_str(), 0, KEY_NOTIFY, parent.put()) !=
        ERROR_SUCCESS)
        parent.reset();
    const UniqueHandle parentChanged(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    // The key as the target knows it: its last-write time when the target last read it, or when it was last
    // told of a change (zero: missing). Whatever differs from that once the watch is armed is news.
    ULONGLONG known = m_nSeenWritten == kAsNow ? LastWritten(m_hRoot, m_szSubKey) : m_nSeenWritten;
    const auto tell = [&] {
        known = LastWritten(m_hRoot, m_szSubKey);  // before the target reads: a later change differs again
        Notify(WM_REGISTRY_CHANGED);
    };
    for (;;) {
        ::OutputDebugStringW(L"Start WatchReg");
        // Armed before the key is opened, so that a key made or deleted in between is not missed.
        ::ResetEvent(parentChanged.get());
        const bool parentArmed = parent && parentChanged &&
                                 ::RegNotifyChangeKeyValue(parent.get(), FALSE, REG_NOTIFY_CHANGE_NAME,
                                                           parentChanged.get(), TRUE) == ERROR_SUCCESS;
        // KEY_NOTIFY alone, no view flag: a 32-bit launcher watches the 32-bit view, where it reads.
        HKEY opened = nullptr;
        if (::RegOpenKeyExW(m_hRoot, m_szSubKey, 0, KEY_NOTIFY, &opened) != ERROR_SUCCESS) {
            // Not there (yet, or any more): a dock installed before its first tool must still see the tools
            // installed later.
            ::OutputDebugStringW(L"RegOpenKeyEx Failed");
            if (known != 0)
                tell();  // deleted since the target last knew it: its tools are gone
            const HANDLE waits[] = {StopEvent().handle(), parentChanged.get()};
            if (::WaitForMultipleObjects(parentArmed ? 2 : 1, waits, FALSE, parentArmed ? INFINITE : kLookAgainMs) ==
                WAIT_OBJECT_0)
                return 0;
            continue;
        }
        UniqueHkey key(opened);
        const HANDLE created = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (!created)
            return Failed(L"CreateEvent Failed");
        UniqueHandle changed(created);
        if (::RegNotifyChangeKeyValue(key.get(), TRUE, kWatchedChanges, changed.get(), TRUE) != ERROR_SUCCESS) {
            if (LastWritten(m_hRoot, m_szSubKey) != 0)
                return Failed(L"Error in RegNotifyChangeKeyValue");
            continue;  // deleted since it was opened: the next look finds it missing
        }
        // Armed: every later change is signalled. One made before (the key's creation included, or a change
        // between the target's read and the start of the watch) is told now.
        if (LastWritten(m_hRoot, m_szSubKey) != known)
            tell();
        const HANDLE waits[] = {changed.get(), StopEvent().handle(), parentChanged.get()};
        switch (::WaitForMultipleObjects(parentArmed ? 3 : 2, waits, FALSE, INFINITE)) {
        case WAIT_OBJECT_0:
            ::OutputDebugStringW(L"*****Registy Changed*****");
            tell();
            break;
        case WAIT_OBJECT_0 + 1:
            return 0;  // the dock dialog goes
        case WAIT_OBJECT_0 + 2:
            // A key beside it, or the key itself: only a key deleted or made anew is news.
            if (LastWritten(m_hRoot, m_szSubKey) != known) {
                ::OutputDebugStringW(L"*****Registy Changed*****");
                tell();
            }
            break;
        default:
            return Failed(L"Error in WaitForSingleObject");
        }
        if (::RegCloseKey(key.release()) != ERROR_SUCCESS)
            return Failed(L"Error in RegCloseKey");
        if (!::CloseHandle(changed.release()))
            return Failed(L"Error in CloseHandle");
    }
}

}  // namespace zep
