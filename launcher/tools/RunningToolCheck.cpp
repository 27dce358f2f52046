#include "launcher/tools/RunningToolCheck.h"

#include "launcher/tools/RunningToolTable.h"

namespace zep {
namespace {

constexpr DWORD kSettleMs = 500;  // the tool's window is up (or gone) by then

bool RowFound(const RunningToolRow& row)
{
    if (::FindWindowW(row.windowClass, row.title))
        return true;
    return row.alternativeClass && ::FindWindowW(row.alternativeClass, nullptr);
}

}  // namespace

RunningToolCheck::RunningToolCheck() noexcept : m_hTarget(nullptr), m_request(false, false) {}

RunningToolCheck::~RunningToolCheck()
{
    Stop();
}

bool RunningToolCheck::Start(HWND target)
{
    if (m_worker.Running() || !m_request.valid())
        return false;
    m_hTarget = target;
    return m_worker.Start([this] { return Watch(); });
}

void RunningToolCheck::Request() noexcept
{
    m_request.Set();
}

void RunningToolCheck::Stop()
{
    m_worker.Stop();
}

unsigned RunningToolCheck::Watch()
{
    for (;;) {
        const CEvent& stop = m_worker.StopEvent();
        if (CEvent::WaitForAny({&m_request, &stop}, INFINITE) != 0 || stop.Wait(kSettleMs))
            return 0;
        WPARAM found = 0;
        for (int row = 0; row < kRunningToolRows; ++row) {
            if (RowFound(kRunningToolTable[row]))
                found |= WPARAM{1} << row;
        }
        ::PostMessageW(m_hTarget, WM_RUNNING_TOOLS, found, 0);
    }
}

}  // namespace zep
