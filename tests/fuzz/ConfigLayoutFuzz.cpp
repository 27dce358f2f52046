// libFuzzer target over the pure logic that reads outside data: coordinate pairs from LaunchInfo.ini,
// strings from the registry, and the layout plan built from any presence flags, counts and edge.
// Invariants checked: no read or write out of bounds (AddressSanitizer), strings always terminated within
// their buffer, placed buttons only for present tools and only inside the position table's values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <vector>

#include "launcher/config/CoordinatePair.h"
#include "launcher/config/FixedString.h"
#include "launcher/dock/LayoutPlan.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace zep;
    if (size < 4)
        return 0;

    // Wide text from the bytes, terminated.
    std::vector<wchar_t> text(size + 1);
    for (size_t i = 0; i < size; ++i)
        text[i] = static_cast<wchar_t>(data[i] < 0x80 ? data[i] : 0x100 + data[i]);
    text[size] = L'\0';
    ParseCoordinatePair(text.data());

    // A registry delivery of any length into a small buffer, not necessarily terminated.
    wchar_t buffer[8];
    const size_t delivered = data[0] % 12;
    for (size_t i = 0; i < 8; ++i)
        buffer[i] = text[i % size] ? text[i % size] : L'x';
    TerminateReceived(buffer, 8, delivered);
    Require(std::wcslen(buffer) < 8);

    wchar_t joined[kPathChars];
    JoinOrEmpty(joined, data[1] % kPathChars + 1, text.data(), text.data() + size / 2);
    CopyTruncated(joined, data[2] % kPathChars + 1, text.data());
    Require(std::wcslen(joined) < kPathChars);

    // Any presence flags, counts and edge.
    int installed[kPresenceFlags];
    for (int i = 0; i < kPresenceFlags; ++i)
        installed[i] = (data[i % size] >> (i % 8)) & 1;
    int counts[kSlotGroups];
    for (int g = 0; g < kSlotGroups; ++g)
        counts[g] = static_cast<int8_t>(data[(3 + g) % size]) % 5;
    PositionTable positions = {};
    // Any stored number for the edge, as the launcher reads it.
    const DockEdge edge = StoredDockEdge(static_cast<int8_t>(data[3]));
    const LayoutPlan plan = PlanButtonLayout(edge, installed, counts, positions);
    for (int n = 0; n < kDockButtons; ++n) {
        if (plan.step[n].place && n < kPresenceFlags)
            Require(installed[n] != 0);
    }
    return 0;
}
