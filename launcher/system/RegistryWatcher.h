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

    // Starts watching `subKey` (a string that outlives the watch) under `root` for `target`. False when the
    // thread could not be started.
    bool Start(HKEY root, const wchar_t* subKey, HWND target);

private:
    unsigned Work() override { return WatchReg(); }
    unsigned WatchReg();

    HKEY m_hRoot = nullptr;
    const wchar_t* m_szSubKey = nullptr;
};

}  // namespace zep
