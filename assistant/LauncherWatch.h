#pragma once

// Ends the assistant with the launcher that started it: a launcher that dies (killed, crashed) never
// sends its WM_CLOSE, and the assistant would keep its shell hook in every process. The watch waits on
// the process of the launcher's dock dialog and closes the assistant's window when it ends.
//
// Ownership: held by the application object; Stop (or the destructor) ends the worker first.
// Thread: Start and Stop on the assistant's user-interface thread.

#include <windows.h>

#include "framework/NotifyingWorker.h"
#include "framework/UniqueResource.h"

namespace zep {

class CLauncherWatch : public CNotifyingWorker {
public:
    CLauncherWatch() noexcept = default;
    ~CLauncherWatch() { Stop(); }

    // Watches the process of the running launcher for `window`, which gets WM_CLOSE when it ends. False
    // (and no watch) when no launcher runs, as when the assistant is started on its own.
    bool Start(HWND window);

private:
    unsigned Work() override;

    UniqueHandle m_launcher;
};

}  // namespace zep
