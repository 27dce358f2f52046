#pragma once

#include <windows.h>

#include <functional>

#include "framework/UniqueResource.h"

namespace zep {

// A worker thread running one function. The object owns the thread handle; destroying a still-running
// worker waits for it to end, so the owner must first make the function return (set its stop event).
class CWorkerThread {
public:
    using Function = std::function<unsigned()>;

    CWorkerThread() noexcept = default;
    ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Starts the thread. False if it is already running or could not be started.
    bool Start(Function function);
    // Waits for the thread to end. True when it has ended (or never ran).
    bool Join(DWORD timeoutMs = INFINITE) noexcept;
    bool Running() const noexcept;
    // Exit code of an ended thread.
    DWORD ExitCode() const noexcept;

private:
    static unsigned __stdcall ThreadMain(void* param);
    Function m_function;
    UniqueHandle m_thread;
};

}  // namespace zep
