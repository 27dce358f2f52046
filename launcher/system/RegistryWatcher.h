#pragma once

// Watches the machine key "SOFTWARE\Zephra" (with every key below it) and posts WM_REGISTRY_CHANGED to the
// dock dialog after each change, so the bar is rebuilt when a tool is installed or removed. Each pass
// opens a fresh key handle and a fresh event; a failing step writes its debug string and ends the watch.
//
// Ownership: the dock dialog holds the watcher; Stop (or the destructor) ends the worker through a private
// stop event and waits for it, so no watcher outlives the dock dialog's window. Thread: Start and Stop on
// the user-interface thread.

#include <windows.h>

#include "framework/StoppableThread.h"

namespace zep {

class RegistryWatcher {
public:
    RegistryWatcher() noexcept;
    ~RegistryWatcher();
    RegistryWatcher(const RegistryWatcher&) = delete;
    RegistryWatcher& operator=(const RegistryWatcher&) = delete;

    // Starts watching `subKey` under `root` for `target`. False when the thread could not be started.
    bool Start(HKEY root, const wchar_t* subKey, HWND target);
    void Stop();
    // True while the watch goes on (it ends by itself when a registry or event call fails).
    bool Watching() const noexcept { return m_worker.Running(); }

private:
    unsigned WatchReg();

    HKEY m_hRoot;
    const wchar_t* m_szSubKey;
    HWND m_hTarget;
    CStoppableThread m_worker;
};

}  // namespace zep
