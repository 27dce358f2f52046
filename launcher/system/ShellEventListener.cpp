#include "launcher/system/ShellEventListener.h"

#include "shared/ZepShared.h"

namespace zep {

ShellEventListener::ShellEventListener() noexcept
    : m_shellNotify(false, false, ZEP_SHELL_NOTIFY_EVENT),
      m_close(false, false, ZEP_CLOSE_EVENT),
      m_hTarget(nullptr)
{
}

ShellEventListener::~ShellEventListener()
{
    Stop();
}

bool ShellEventListener::Start(HWND target)
{
    if (!m_shellNotify.valid() || !m_close.valid() || m_worker.Running())
        return false;
    m_hTarget = target;
    return m_worker.Start([this] { return WatchShellEvent(); });
}

void ShellEventListener::Stop()
{
    m_worker.Stop();
}

unsigned ShellEventListener::WatchShellEvent()
{
    for (;;) {
        // Both events reset themselves when they end a wait, so a burst of notifications between two
        // waits gives one message; with both set, the notification is served first.
        switch (CEvent::WaitForAny({&m_shellNotify, &m_close, &m_worker.StopEvent()}, INFINITE)) {
        case 0:
            ::PostMessageW(m_hTarget, WM_SHELL_NOTIFY, 0, 0);
            break;
        case 1:
            // Not SendMessageW: the close handling stops this worker and waits for it, which a worker
            // blocked in its own send would never let happen. The notification still overtakes posted
            // messages, like a send.
            ::SendNotifyMessageW(m_hTarget, WM_CLOSE, 0, 0);
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
