#include "launcher/system/ShellEventListener.h"

#include "shared/ZepShared.h"

namespace zep {

ShellEventListener::ShellEventListener() noexcept
    : m_shellNotify(false, false, ZEP_SHELL_NOTIFY_EVENT), m_close(false, false, ZEP_CLOSE_EVENT)
{
}

bool ShellEventListener::Start(HWND target)
{
    if (!m_shellNotify.valid() || !m_close.valid())
        return false;
    return CNotifyingWorker::Start(target);
}

unsigned ShellEventListener::WatchShellEvent()
{
    for (;;) {
        // Both events reset themselves when they end a wait, so a burst of notifications between two
        // waits gives one message; with both set, the notification is served first.
        switch (CEvent::WaitForAny({&m_shellNotify, &m_close, &StopEvent()}, INFINITE)) {
        case 0:
            Notify(WM_SHELL_NOTIFY);
            break;
        case 1:
            // Not SendMessageW: the close handling stops this worker and waits for it, which a worker
            // blocked in its own send would never let happen. The notification still overtakes posted
            // messages, like a send.
            ::SendNotifyMessageW(Target(), WM_CLOSE, 0, 0);
            break;
        case 2:
            return 0;
        default:
            // A failed wait fails again at once: end rather than spin.
            return 1;
        }
    }
}

}  // namespace zep
