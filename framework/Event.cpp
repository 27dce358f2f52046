#include "framework/Event.h"

namespace zep {

int CEvent::WaitForAny(std::initializer_list<const CEvent*> events, DWORD timeoutMs) noexcept
{
    HANDLE handles[MAXIMUM_WAIT_OBJECTS] = {};
    DWORD count = 0;
    for (const CEvent* event : events) {
        if (count == MAXIMUM_WAIT_OBJECTS)
            return -1;
        handles[count++] = event->handle();
    }
    const DWORD result = ::WaitForMultipleObjects(count, handles, FALSE, timeoutMs);
    if (result >= WAIT_OBJECT_0 && result < WAIT_OBJECT_0 + count)
        return static_cast<int>(result - WAIT_OBJECT_0);
    return -1;
}

}  // namespace zep
