#include "launcher/dock/ToolGroups.h"

namespace zep {

void SetPresenceFlags(const bool (&slotPathExists)[kPresenceSlots], bool alternativePathExists,
                      int (&installed)[kPresenceFlags]) noexcept
{
    for (int slot = 0; slot < kPresenceSlots; ++slot)
        installed[slot] = slotPathExists[slot] ? 1 : 0;
    if (alternativePathExists)
        installed[kAlternativeSlot] = 1;
    installed[kCombinedFlag] = installed[8] && installed[9] ? 1 : 0;
}

void CountSlotGroups(const int (&installed)[kPresenceFlags], int (&groupCount)[kSlotGroups]) noexcept
{
    const auto present = [&installed](int slot) { return installed[slot] != 0 ? 1 : 0; };
    groupCount[0] = present(0) + present(1) + present(2);
    groupCount[1] = present(3) + present(4) + present(5);
    groupCount[2] = present(6) + present(7) + (present(8) | present(9));
}

}  // namespace zep
