#pragma once

// Which picture each of the 13 dock buttons shows on an edge, and which buttons are placed where.
// Pure logic: no Windows headers.

#include "launcher/config/ConfigLimits.h"
#include "launcher/config/DisplayScale.h"
#include "launcher/config/DockButton.h"
#include "launcher/config/DockEdge.h"
#include "launcher/dock/ToolGroups.h"

namespace zep {

struct ButtonStep {
    bool place;  // false: hidden
    int x;       // place: top-left in the dock dialog, where the button goes on top of its siblings, shown
    int y;
};

struct LayoutPlan {
    int pictureId[kDockButtons];  // by ButtonIndex
    ButtonStep step[kDockButtons];
    DisplayScale scale;  // the picture set the buttons show and the scale of their places
};

// The layout of the 13 buttons for `edge`:
// - pictures 149 + 17 x edge + index;
// - in each group the present buttons take the keys of the group (0 to 2, 3 to 5, 6 to 8) in slot order from
//   the section of layout groupCount[g]; absent ones are hidden. In group 2 the combined button 1010 takes
//   the one place of slots 8 and 9, whose own buttons are then hidden;
// - the settings and hide buttons take keys 7 and 8 of layout 1.
// Places (96-DPI pixels, as LaunchInfo.ini holds them at every scale) are converted to dock-dialog pixels at
// `scale` (ToDockDialogPoint).
// A present button for which the group's count leaves no key (count and flags disagree) is hidden, so
// the table is never read outside its bounds; layout 0 is never looked up.
LayoutPlan PlanButtonLayout(DockEdge edge, const int (&installed)[kPresenceFlags],
                            const int (&groupCount)[kSlotGroups], const PositionTable& positions,
                            DisplayScale scale = DisplayScale()) noexcept;

}  // namespace zep
