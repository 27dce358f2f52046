#pragma once

#include <windows.h>

#include "framework/Event.h"
#include "framework/StoppableThread.h"

namespace zep {

// A worker thread that waits for something outside the program and tells a window about it by posting.
// The worker's own wait includes StopEvent(), so Stop can always end it.
//
// Ownership and order: Work() runs on the object of the derived class, so every derived destructor calls
// Stop() before its own members go. Thread: Start and Stop on the thread that owns the target window;
// Work() on the worker's own thread.
class CNotifyingWorker {
public:
    CNotifyingWorker(const CNotifyingWorker&) = delete;
    CNotifyingWorker& operator=(const CNotifyingWorker&) = delete;

    // Runs Work() on a thread of its own, telling `target`. False when it runs already or could not start.
    bool Start(HWND target);
    // Sets the stop event and waits until the worker has ended. Safe to call more than once.
    void Stop() noexcept { m_worker.Stop(); }
    // False once Work() has returned (a watch that gave up ends by itself).
    bool Running() const noexcept { return m_worker.Running(); }

protected:
    CNotifyingWorker() noexcept = default;
    ~CNotifyingWorker() { Stop(); }

    // The thread's function; returns when StopEvent() is set (or when it gives up).
    virtual unsigned Work() = 0;

    void Notify(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const noexcept
    {
        ::PostMessageW(m_hTarget, message, wParam, lParam);
    }
    HWND Target() const noexcept { return m_hTarget; }
    const CEvent& StopEvent() const noexcept { return m_worker.StopEvent(); }

private:
    HWND m_hTarget = nullptr;
    CStoppableThread m_worker;
};

inline bool CNotifyingWorker::Start(HWND target)
{
    if (m_worker.Running())
        return false;
    m_hTarget = target;
    return m_worker.Start([this] { return Work(); });
}

}  // namespace zep
