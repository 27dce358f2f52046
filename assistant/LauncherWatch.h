#pragma once

// Ends the assistant with the launcher that started it: a launcher that dies (killed, crashed) never
// sends its WM_CLOSE, and the assistant would keep its shell hook in every process. The watch waits on
// the process of the launcher's dock dialog and closes the assistant's window when it ends.
//
// Ownership: held by the application object; Stop (or the destructor) ends the worker first.
// Thread: Start and Stop on the assistant's user-interface thread.

#include <windows.h>

#include "framework/StoppableThread.h"
#include "framework/UniqueResource.h"

namespace zep {

class CLauncherWatch {
public:
    CLauncherWatch() noexcept;
    ~CLauncherWatch();
    CLauncherWatch(const CLauncherWatch&) = delete;
    CLauncherWatch& operator=(const CLauncherWatch&) = delete;

    // Watches the process of the running launcher for `window`, which gets WM_CLOSE when it ends. False
    // (and no watch) when no launcher runs, as when the assistant is started on its own.
    bool Start(HWND window);
    void Stop();

private:
    UniqueHandle m_launcher;
    HWND m_hWindow;
    CStoppableThread m_worker;
};

}  // namespace zep
