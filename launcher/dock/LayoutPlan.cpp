#include "launcher/dock/LayoutPlan.h"

#include "launcher/dock/DockGeometry.h"
#include "launcher/skin/SkinCatalogue.h"

namespace zep {
namespace {

constexpr int kKeysPerGroup = 3;

struct GroupWalk {
    int group;
    int firstKey;
    int firstButton;  // index into the plan
    int lastButton;
};

constexpr GroupWalk kGroupWalks[kSlotGroups] = {
    {0, 0, 0, 2},
    {1, 3, 3, 5},
    {2, 6, 6, 10},
};

bool ButtonShowsTool(int button, const int (&installed)[kPresenceFlags])
{
    if (installed[button] == 0)
        return false;
    // The combined button stands in for both of its slots.
    return !((button == 8 || button == 9) && installed[kCombinedFlag] != 0);
}

ButtonStep PlaceAt(int edge, CoordinatePair backgroundPoint)
{
    const CoordinatePair p = ToDockDialogPoint(edge, backgroundPoint);
    return ButtonStep{ButtonAction::Place, p.x, p.y};
}

}  // namespace

LayoutPlan PlanButtonLayout(int edge, const int (&installed)[kPresenceFlags], const int (&groupCount)[kSlotGroups],
                            const PositionTable& positions) noexcept
{
    LayoutPlan plan{};
    const bool validEdge = IsDockEdge(edge);
    for (int n = 0; n < kDockButtons; ++n) {
        plan.pictureId[n] = validEdge ? ButtonPictureId(edge, kFirstDockButtonId + n) : -1;
        plan.step[n] = ButtonStep{ButtonAction::Keep, 0, 0};
    }

    for (const GroupWalk& walk : kGroupWalks) {
        const int layout = groupCount[walk.group];
        int key = walk.firstKey;
        for (int button = walk.firstButton; button <= walk.lastButton; ++button) {
            if (!ButtonShowsTool(button, installed)) {
                plan.step[button] = ButtonStep{ButtonAction::Hide, 0, 0};
                continue;
            }
            if (!validEdge)
                continue;
            if (layout < 1 || layout > kKeysPerGroup || key >= walk.firstKey + layout) {
                plan.step[button] = ButtonStep{ButtonAction::Hide, 0, 0};
                continue;
            }
            plan.step[button] = PlaceAt(edge, positions[edge][layout - 1][key]);
            ++key;
        }
    }

    if (validEdge) {
        plan.step[kSettingsButton - kFirstDockButtonId] = PlaceAt(edge, positions[edge][0][7]);
        plan.step[kHideButton - kFirstDockButtonId] = PlaceAt(edge, positions[edge][0][8]);
    }
    return plan;
}

}  // namespace zep
