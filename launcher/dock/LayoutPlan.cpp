#include "launcher/dock/LayoutPlan.h"

#include "launcher/dock/DockGeometry.h"
#include "launcher/skin/SkinCatalogue.h"

namespace zep {
namespace {

constexpr int kKeysPerGroup = 3;
constexpr int kSettingsKey = 7;  // of layout 1
constexpr int kHideKey = 8;

struct GroupWalk {
    int group;
    int firstKey;
    DockButton firstButton;
    DockButton lastButton;
};

constexpr GroupWalk kGroupWalks[kSlotGroups] = {
    {0, 0, DockButton::Tool0, DockButton::Tool2},
    {1, 3, DockButton::Tool3, DockButton::Tool5},
    {2, 6, DockButton::Tool6, DockButton::Combined},
};

bool ButtonShowsTool(DockButton button, const int (&installed)[kPresenceFlags])
{
    // The presence flags follow the button order up to the combined button.
    if (installed[ButtonIndex(button)] == 0)
        return false;
    // The combined button stands in for both of its slots.
    return !((button == DockButton::Tool8 || button == DockButton::Tool9) && installed[kCombinedFlag] != 0);
}

ButtonStep PlaceAt(DockEdge edge, CoordinatePair backgroundPoint, DisplayScale scale)
{
    const CoordinatePair p = ToDockDialogPoint(edge, backgroundPoint, scale);
    return ButtonStep{true, p.x, p.y};
}

}  // namespace

LayoutPlan PlanButtonLayout(DockEdge edge, const int (&installed)[kPresenceFlags],
                            const int (&groupCount)[kSlotGroups], const PositionTable& positions,
                            DisplayScale scale) noexcept
{
    static_assert(kPresenceFlags == ButtonIndex(DockButton::Combined) + 1, "a presence flag per button with a tool");
    const auto& table = positions[EdgeIndex(edge)];
    LayoutPlan plan{};
    plan.scale = scale;
    for (int n = 0; n < kDockButtons; ++n) {
        plan.pictureId[n] = ButtonPictureId(edge, DockButtonAt(n));
        plan.step[n] = ButtonStep{false, 0, 0};
    }

    for (const GroupWalk& walk : kGroupWalks) {
        const int layout = groupCount[walk.group];
        int key = walk.firstKey;
        for (int n = ButtonIndex(walk.firstButton); n <= ButtonIndex(walk.lastButton); ++n) {
            if (!ButtonShowsTool(DockButtonAt(n), installed))
                continue;
            if (layout < 1 || layout > kKeysPerGroup || key >= walk.firstKey + layout)
                continue;
            plan.step[n] = PlaceAt(edge, table[layout - 1][key], scale);
            ++key;
        }
    }

    plan.step[ButtonIndex(DockButton::Settings)] = PlaceAt(edge, table[0][kSettingsKey], scale);
    plan.step[ButtonIndex(DockButton::Hide)] = PlaceAt(edge, table[0][kHideKey], scale);
    return plan;
}

}  // namespace zep
