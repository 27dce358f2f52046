#pragma once

#include <utility>

#include "framework/Event.h"
#include "framework/WorkerThread.h"

namespace zep {

// A worker thread with a stop request of its own: the function waits on StopEvent() beside whatever else
// it waits for, and Stop sets the event and waits until the thread has ended. Declare it after everything
// the function uses, so it is stopped before those go.
class CStoppableThread {
public:
    CStoppableThread() noexcept : m_stop(true, false) {}
    ~CStoppableThread() { Stop(); }
    CStoppableThread(const CStoppableThread&) = delete;
    CStoppableThread& operator=(const CStoppableThread&) = delete;

    // False when it runs already or could not be started.
    bool Start(CWorkerThread::Function function)
    {
        if (m_thread.Running() || !m_stop.valid())
            return false;
        m_stop.Reset();
        return m_thread.Start(std::move(function));
    }
    void Stop() noexcept
    {
        m_stop.Set();
        m_thread.Join();
    }
    bool Running() const noexcept { return m_thread.Running(); }
    const CEvent& StopEvent() const noexcept { return m_stop; }

private:
    CEvent m_stop;  // manual reset
    CWorkerThread m_thread;
};

}  // namespace zep
