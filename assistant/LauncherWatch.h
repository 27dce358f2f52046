#pragma once

// Ends the assistant with the launcher that started it: a launcher that dies (killed, crashed) never
// sends its WM_CLOSE, and the assistant would keep its shell hook in every process. The watch waits on
// the launcher's process and closes the assistant's window when it ends: the process named on the command
// line, or, for an assistant started without that name, the process of the launcher's dock dialog.
//
// Ownership: held by the application object; Stop (or the destructor) ends the worker first.
// Thread: Start and Stop on the assistant's user-interface thread.

#include <windows.h>

#include <optional>

#include "framework/NotifyingWorker.h"
#include "framework/UniqueResource.h"

namespace zep {

class CLauncherWatch : public CNotifyingWorker {
public:
    CLauncherWatch() noexcept = default;
    ~CLauncherWatch() { Stop(); }

    // Watches the launcher for `window`, which gets WM_CLOSE when it ends: the process `launcher` (from the
    // command line) or, without one, that of the running dock dialog. A named launcher that has ended
    // already (its id no longer names a process that began before this one) closes `window` at once.
    // False (and no watch) then, and when no launcher runs, as when the assistant is started on its own.
    bool Start(HWND window, std::optional<DWORD> launcher);

private:
    unsigned Work() override;

    UniqueHandle m_launcher;
};

}  // namespace zep
