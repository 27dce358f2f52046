#pragma once

// The launcher's timing probes: how long the keyboard hook procedure, a bar composition, a fade frame and
// the composition of a single picture take, measured where the work runs, for the benchmarks, which read them through WM_QUERY_TIMING. A probe
// costs two performance-counter reads; compositions and fade frames also read the thread's CPU time
// before and after (not the hook procedure, which must stay short).
// Thread: any; the probes of one kind of work are kept under one process-wide lock (the hook procedure runs
// on the hook's thread, compositions and fades on the user-interface thread).

#include <windows.h>

namespace zep {

enum class TimedWork { KeyboardHook, BarComposition, FadeFrame, PictureComposition, Count_ };

class TimingProbe {
public:
    // Times the scope it lives in.
    explicit TimingProbe(TimedWork work) noexcept;
    ~TimingProbe();
    TimingProbe(const TimingProbe&) = delete;
    TimingProbe& operator=(const TimingProbe&) = delete;

    // The answer to WM_QUERY_TIMING: wParam a TimedWork; lParam 0 the number of samples, 1 to 100 that
    // percentile of the wall time, -1 the mean wall time, -2 the mean CPU time of the thread (nanoseconds,
    // capped at the largest LRESULT). -1 for a wParam or lParam outside these.
    static LRESULT Query(WPARAM work, LPARAM what) noexcept;

private:
    TimedWork m_work;
    LARGE_INTEGER m_start{};
    ULONGLONG m_cpuStart = 0;
};

}  // namespace zep
