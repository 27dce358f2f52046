#pragma once

// Which tools are present and how many per slot group. Pure logic: no Windows headers.
//
// Slots 0 to 9 stand behind buttons 1000 to 1009, in groups 0 to 2, 3 to 5 and 6 to 9. Presence flag 10
// stands for the combined button 1010, shown in place of 1008 and 1009 when slots 8 and 9 are both present.

#include "launcher/config/ConfigLimits.h"

namespace zep {

constexpr int kPresenceSlots = kToolSlots;
constexpr int kPresenceFlags = 11;
constexpr int kCombinedFlag = 10;
constexpr int kSlotGroups = 3;
constexpr int kAlternativeSlot = 6;  // also present when the alternative tool ("6.1") is installed

// Flags 0 to 9 from whether each slot's install path exists, slot 6 also from the alternative tool's path;
// flag 10 is 1 when slots 8 and 9 are both present. Every flag is 0 or 1.
void SetPresenceFlags(const bool (&slotPathExists)[kPresenceSlots], bool alternativePathExists,
                      int (&installed)[kPresenceFlags]) noexcept;

// Present tools per group (0 to 3), which is also the group's layout number: each present slot of groups
// 0 and 1; in group 2 slot 6, slot 7, and one for slot 8 and slot 9 together (present if either is).
// A nonzero flag counts as present.
void CountSlotGroups(const int (&installed)[kPresenceFlags], int (&groupCount)[kSlotGroups]) noexcept;

}  // namespace zep
