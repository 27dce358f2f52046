#include "framework/TimingProbe.h"

#include <limits>

#include "framework/DurationHistogram.h"

namespace zep {
namespace {

constexpr int kWorkCount = static_cast<int>(TimedWork::Count_);
// Fed by the keyboard hook's thread and the user-interface thread, read by the latter: every access holds
// the lock, for the few hundred nanoseconds it takes.
SRWLOCK g_lock = SRWLOCK_INIT;
DurationHistogram g_timings[kWorkCount];
ULONGLONG g_cpuNs[kWorkCount] = {};

class LockedScope {
public:
    explicit LockedScope(bool exclusive) noexcept : m_exclusive(exclusive)
    {
        exclusive ? ::AcquireSRWLockExclusive(&g_lock) : ::AcquireSRWLockShared(&g_lock);
    }
    ~LockedScope() { m_exclusive ? ::ReleaseSRWLockExclusive(&g_lock) : ::ReleaseSRWLockShared(&g_lock); }
    LockedScope(const LockedScope&) = delete;
    LockedScope& operator=(const LockedScope&) = delete;

private:
    bool m_exclusive;
};

LONGLONG Frequency() noexcept
{
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f{};
        ::QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return frequency;
}

// User and kernel time of this thread, in 100 ns units.
ULONGLONG ThreadCpu() noexcept
{
    FILETIME created, exited, kernel, user;
    if (!::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user))
        return 0;
    auto value = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return value(kernel) + value(user);
}

bool MeasuresCpu(TimedWork work) noexcept
{
    return work != TimedWork::KeyboardHook;
}

LRESULT Capped(ULONGLONG value) noexcept
{
    const ULONGLONG most = static_cast<ULONGLONG>(std::numeric_limits<LRESULT>::max());
    return static_cast<LRESULT>(value < most ? value : most);
}

}  // namespace

TimingProbe::TimingProbe(TimedWork work) noexcept : m_work(work)
{
    if (MeasuresCpu(work))
        m_cpuStart = ThreadCpu();
    ::QueryPerformanceCounter(&m_start);
}

TimingProbe::~TimingProbe()
{
    LARGE_INTEGER end{};
    ::QueryPerformanceCounter(&end);
    const int index = static_cast<int>(m_work);
    const ULONGLONG ticks = static_cast<ULONGLONG>(end.QuadPart - m_start.QuadPart);
    const LONGLONG frequency = Frequency();
    // Whole seconds and the rest apart, so that the product cannot overflow.
    const ULONGLONG ns = frequency > 0 ? ticks / frequency * 1000000000ull + ticks % frequency * 1000000000ull / frequency
                                       : 0;
    const ULONGLONG cpuNs = MeasuresCpu(m_work) ? (ThreadCpu() - m_cpuStart) * 100 : 0;
    const LockedScope lock(true);
    g_timings[index].Add(ns);
    g_cpuNs[index] += cpuNs;
}

LRESULT TimingProbe::Query(WPARAM work, LPARAM what) noexcept
{
    if (work >= static_cast<WPARAM>(kWorkCount))
        return -1;
    const LockedScope lock(false);
    const DurationHistogram& timings = g_timings[work];
    if (what == 0)
        return Capped(timings.Count());
    if (what >= 1 && what <= 100)
        return Capped(timings.PercentileNs(static_cast<unsigned>(what)));
    if (what == -1)
        return Capped(timings.MeanNs());
    if (what == -2)
        return Capped(timings.Count() ? g_cpuNs[work] / timings.Count() : 0);
    return -1;
}

}  // namespace zep
