#include "launcher/system/KeyboardHook.h"

#include <atomic>

#include "framework/Event.h"
#include "framework/TimingProbe.h"
#include "framework/UniqueResource.h"
#include "framework/WorkerThread.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {

constexpr UINT kInstallAfresh = WM_APP + 1;
// The hook thread answers at once; a thread that does not is as good as a refused hook.
constexpr DWORD kAnswerMs = 5000;

// The hook procedure has no context of its own, so the hook and its thread are the process's.
class HookThread {
public:
    ~HookThread() { Stop(); }

    bool Install(HWND target)
    {
        m_target.store(target);
        if (!m_thread.Running()) {
            m_answered.Reset();
            if (!m_thread.Start([this] { return Run(); }))
                return false;
        } else if (!::PostThreadMessageW(m_threadId.load(), kInstallAfresh, 0, 0)) {
            return false;
        }
        return m_answered.Wait(kAnswerMs) && m_installed.load();
    }

    void Stop()
    {
        if (m_thread.Running())
            ::PostThreadMessageW(m_threadId.load(), WM_QUIT, 0, 0);
        m_thread.Join();
        m_installed.store(false);
    }

    bool Installed() const { return m_thread.Running() && m_installed.load(); }

    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);

private:
    unsigned Run()
    {
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue, before anyone posts to it
        m_threadId.store(::GetCurrentThreadId());
        UniqueHook hook;
        InstallHere(hook);
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (msg.message == kInstallAfresh)
                InstallHere(hook);
        }
        hook.reset();
        return 0;
    }

    void InstallHere(UniqueHook& hook)
    {
        hook.reset();
        hook.reset(::SetWindowsHookExW(WH_KEYBOARD_LL, &HookThread::Procedure, ::GetModuleHandleW(nullptr), 0));
        m_installed.store(hook.valid());
        m_answered.Set();
    }

    std::atomic<HWND> m_target{nullptr};
    std::atomic<DWORD> m_threadId{0};
    std::atomic<bool> m_installed{false};
    CEvent m_answered{false, false};  // auto-reset: one answer per request
    CWorkerThread m_thread;
};

HookThread g_hookThread;

LRESULT CALLBACK HookThread::Procedure(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const TimingProbe probe(TimedWork::KeyboardHook);
        const KBDLLHOOKSTRUCT* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        ::PostMessageW(g_hookThread.m_target.load(), WM_KEYBOARD_EVENT, event->flags,
                       static_cast<LPARAM>(event->scanCode));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool KeyboardHook::Install(HWND target)
{
    return g_hookThread.Install(target);
}

void KeyboardHook::Remove()
{
    g_hookThread.Stop();
}

bool KeyboardHook::Installed()
{
    return g_hookThread.Installed();
}

}  // namespace zep
