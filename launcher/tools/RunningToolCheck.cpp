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

RunningToolCheck::RunningToolCheck() noexcept : m_request(false, false) {}

bool RunningToolCheck::Start(HWND target)
{
    return m_request.valid() && CNotifyingWorker::Start(target);
}

unsigned RunningToolCheck::CheckRunningTools()
{
    for (;;) {
        const CEvent& stop = StopEvent();
        if (CEvent::WaitForAny({&m_request, &stop}, INFINITE) != 0 || stop.Wait(kSettleMs))
            return 0;
        WPARAM found = 0;
        for (int row = 0; row < kRunningToolRows; ++row) {
            if (RowFound(kRunningToolTable[row]))
                found |= WPARAM{1} << row;
        }
        Notify(WM_RUNNING_TOOLS, found);
    }
}

}  // namespace zep
