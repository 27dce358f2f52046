#pragma once

// Which picture each of the 13 dock buttons shows on an edge, and which buttons are placed where.
// Pure logic: no Windows headers.

#include "launcher/config/ConfigLimits.h"
#include "launcher/dock/ToolGroups.h"

namespace zep {

constexpr int kDockButtons = 13;
constexpr int kFirstDockButtonId = 1000;
constexpr int kSettingsButton = 1011;
constexpr int kHideButton = 1012;


enum class ButtonAction {
    Keep,   // left as it is
    Hide,
    Place,  // moved to (x, y) of the dock dialog, on top of its siblings, and shown
};

struct ButtonStep {
    ButtonAction action;
    int x;
    int y;
};

struct LayoutPlan {
    int pictureId[kDockButtons];  // -1: the picture stays as it is
    ButtonStep step[kDockButtons];
};

// The layout of the 13 buttons (index = control identifier - 1000) for `edge`:
// - pictures 149 + 17 x edge + index;
// - in each group the present buttons take the keys of the group (0 to 2, 3 to 5, 6 to 8) in slot order from
//   the section of layout groupCount[g]; absent ones are hidden. In group 2 the combined button 1010 takes
//   the one place of slots 8 and 9, whose own buttons are then hidden;
// - the settings and hide buttons take keys 7 and 8 of layout 1.
// Places are converted to dock-dialog pixels (ToDockDialogPoint). For an edge outside 0 to 3 no picture
// changes and nothing is placed: absent tools' buttons are still hidden, all others kept.
// A present button for which the group's count leaves no key (count and flags disagree) is hidden, so
// the table is never read outside its bounds; layout 0 is never looked up.
LayoutPlan PlanButtonLayout(int edge, const int (&installed)[kPresenceFlags], const int (&groupCount)[kSlotGroups],
                            const PositionTable& positions) noexcept;

}  // namespace zep
