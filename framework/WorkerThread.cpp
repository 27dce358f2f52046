#include "framework/WorkerThread.h"

#include <process.h>

namespace zep {

CWorkerThread::~CWorkerThread()
{
    Join();
}

bool CWorkerThread::Start(Function function)
{
    if (Running() || !function)
        return false;
    Join();
    m_function = std::move(function);
    // _beginthreadex rather than CreateThread: the C runtime sets up its per-thread state.
    const uintptr_t handle = ::_beginthreadex(nullptr, 0, &CWorkerThread::ThreadMain, this, 0, nullptr);
    m_thread.reset(reinterpret_cast<HANDLE>(handle));
    return m_thread.valid();
}

unsigned __stdcall CWorkerThread::ThreadMain(void* param)
{
    return static_cast<CWorkerThread*>(param)->m_function();
}

bool CWorkerThread::Join(DWORD timeoutMs) noexcept
{
    if (!m_thread)
        return true;
    return ::WaitForSingleObject(m_thread.get(), timeoutMs) == WAIT_OBJECT_0;
}

bool CWorkerThread::Running() const noexcept
{
    return m_thread && ::WaitForSingleObject(m_thread.get(), 0) == WAIT_TIMEOUT;
}

DWORD CWorkerThread::ExitCode() const noexcept
{
    DWORD code = 0;
    if (m_thread)
        ::GetExitCodeThread(m_thread.get(), &code);
    return code;
}

}  // namespace zep
