#include "launcher/system/RegistryWatcher.h"

#include "framework/UniqueResource.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {

constexpr DWORD kWatchedChanges =
    REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_ATTRIBUTES | REG_NOTIFY_CHANGE_LAST_SET | REG_NOTIFY_CHANGE_SECURITY;

unsigned Failed(const wchar_t* text)
{
    ::OutputDebugStringW(text);
    return 0;
}

}  // namespace

bool RegistryWatcher::Start(HKEY root, const wchar_t* subKey, HWND target)
{
    if (Running())
        return false;
    m_hRoot = root;
    m_szSubKey = subKey;
    return CNotifyingWorker::Start(target);
}

unsigned RegistryWatcher::WatchReg()
{
    for (;;) {
        ::OutputDebugStringW(L"Start WatchReg");
        // KEY_NOTIFY alone, no view flag: a 32-bit launcher watches the 32-bit view, where it reads.
        HKEY opened = nullptr;
        if (::RegOpenKeyExW(m_hRoot, m_szSubKey, 0, KEY_NOTIFY, &opened) != ERROR_SUCCESS)
            return Failed(L"RegOpenKeyEx Failed");
        UniqueHkey key(opened);
        const HANDLE created = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (!created)
            return Failed(L"CreateEvent Failed");
        UniqueHandle changed(created);
        if (::RegNotifyChangeKeyValue(key.get(), TRUE, kWatchedChanges, changed.get(), TRUE) != ERROR_SUCCESS)
            return Failed(L"Error in RegNotifyChangeKeyValue");

        const HANDLE waits[] = {changed.get(), StopEvent().handle()};
        switch (::WaitForMultipleObjects(2, waits, FALSE, INFINITE)) {
        case WAIT_OBJECT_0:
            ::OutputDebugStringW(L"*****Registy Changed*****");
            Notify(WM_REGISTRY_CHANGED);
            break;
        case WAIT_OBJECT_0 + 1:
            return 0;  // the dock dialog goes
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
