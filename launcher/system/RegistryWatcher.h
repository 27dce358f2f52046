#pragma once

// Watches the machine key "SOFTWARE\Zephra" (with every key below it) and posts WM_REGISTRY_CHANGED to the
// dock dialog after each change, so the bar is rebuilt when a tool is installed or removed. Each pass
// opens a fresh key handle and a fresh event. While the key does not exist (before the first tool is
// installed, or after it was deleted) the watch waits for it to appear, and reports it when it does; any
// other failing step writes its debug string and ends the watch.
//
// Ownership: the dock dialog holds the watcher and stops it before its window goes. Thread: Start and Stop
// on the user-interface thread.

#include <windows.h>

#include "framework/NotifyingWorker.h"

namespace zep {

class RegistryWatcher : public CNotifyingWorker {
public:
    RegistryWatcher() noexcept = default;
    ~RegistryWatcher() { Stop(); }

    // Starts watching `subKey` (a string that outlives the watch) under `root` for `target`. `seenWritten` is
    // the key's last-write time (FILETIME ticks; zero: the key was missing) when the target last read it: a
    // change made after that read, before the watch is armed, is reported at once. kAsNow takes the key as it
    // is when the watch begins. False when the thread could not be started.
    static constexpr ULONGLONG kAsNow = ~0ULL;
    bool Start(HKEY root, const wchar_t* subKey, HWND target, ULONGLONG seenWritten = kAsNow);

private:
    unsigned Work() override { return WatchReg(); }
    unsigned WatchReg();

    HKEY m_hRoot = nullptr;
    const wchar_t* m_szSubKey = nullptr;
    ULONGLONG m_nSeenWritten = kAsNow;
};

}  // namespace zep
