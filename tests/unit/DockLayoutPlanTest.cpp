// Tool presence, group counts and the button layout of the dock, as pure logic.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "launcher/dock/LayoutPlan.h"
#include "launcher/dock/ToolGroups.h"

namespace zep {
namespace {

// Every table entry is distinct and tells where it came from: x = 1ekl, y = 5ekl (edge, layout index, key).
CoordinatePair TablePoint(int edge, int layoutIndex, int key)
{
    const int code = 100 * edge + 10 * layoutIndex + key;
    return CoordinatePair{1000 + code, 5000 + code};
}

struct PositionFixture {
    PositionTable table;
    PositionFixture()
    {
        for (int e = 0; e < 4; ++e)
            for (int l = 0; l < 3; ++l)
                for (int k = 0; k < 9; ++k)
                    table[e][l][k] = TablePoint(e, l, k);
    }
};

// What a button should end up as: hidden, or placed at key `key` of the section of layout `layout`.
struct Expect {
    bool place;
    int layout;
    int key;
};
constexpr Expect H{false, 0, 0};
constexpr Expect At(int layout, int key) { return Expect{true, layout, key}; }

struct LayoutCase {
    const char* name;
    DockEdge edge;
    bool slotExists[10];
    bool alternativeExists;
    int counts[3];
    Expect buttons[13];  // 1000 to 1012
};

const LayoutCase kLayoutCases[] = {
    {"RightWorkedExample", DockEdge::Right, {1, 0, 1, 1, 1, 1, 0, 0, 1, 0}, false, {2, 3, 1},
     {At(2, 0), H, At(2, 1), At(3, 3), At(3, 4), At(3, 5), H, H, At(1, 6), H, H, At(1, 7), At(1, 8)}},
    {"NoToolPresent", DockEdge::Right, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, false, {0, 0, 0},
     {H, H, H, H, H, H, H, H, H, H, H, At(1, 7), At(1, 8)}},
    {"EveryToolPresent", DockEdge::Left, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, false, {3, 3, 3},
     {At(3, 0), At(3, 1), At(3, 2), At(3, 3), At(3, 4), At(3, 5), At(3, 6), At(3, 7), H, H, At(3, 8), At(1, 7),
      At(1, 8)}},
    {"SlotsEightAndNineShareOnePlace", DockEdge::Right, {0, 0, 0, 0, 0, 0, 0, 0, 1, 1}, false, {0, 0, 1},
     {H, H, H, H, H, H, H, H, H, H, At(1, 6), At(1, 7), At(1, 8)}},
    {"OnlySlotNine", DockEdge::Left, {0, 0, 0, 0, 0, 0, 0, 1, 0, 1}, false, {0, 0, 2},
     {H, H, H, H, H, H, H, At(2, 6), H, At(2, 7), H, At(1, 7), At(1, 8)}},
    {"SlotSixThroughAlternativeTool", DockEdge::Right, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true, {0, 0, 1},
     {H, H, H, H, H, H, At(1, 6), H, H, H, H, At(1, 7), At(1, 8)}},
    {"SlotSixAndAlternativeCountOnce", DockEdge::Right, {0, 0, 0, 0, 0, 0, 1, 1, 0, 0}, true, {0, 0, 2},
     {H, H, H, H, H, H, At(2, 6), At(2, 7), H, H, H, At(1, 7), At(1, 8)}},
    {"TopEdge", DockEdge::Top, {0, 1, 0, 0, 0, 1, 1, 0, 0, 1}, false, {1, 1, 2},
     {H, At(1, 0), H, H, H, At(1, 3), At(2, 6), H, H, At(2, 7), H, At(1, 7), At(1, 8)}},
    {"BottomEdge", DockEdge::Bottom, {1, 1, 0, 0, 1, 0, 0, 0, 1, 1}, false, {2, 1, 1},
     {At(2, 0), At(2, 1), H, H, At(1, 3), H, H, H, H, H, At(1, 6), At(1, 7), At(1, 8)}},
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class DockLayoutCaseTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(DockLayoutCaseTest, PresenceCountsAndPlaces)
{
    const LayoutCase& c = GetParam();
    int installed[kPresenceFlags];
    SetPresenceFlags(c.slotExists, c.alternativeExists, installed);
    int counts[kSlotGroups];
    CountSlotGroups(installed, counts);
    EXPECT_EQ(c.counts[0], counts[0]);
    EXPECT_EQ(c.counts[1], counts[1]);
    EXPECT_EQ(c.counts[2], counts[2]);

    const PositionFixture positions;
    const LayoutPlan plan = PlanButtonLayout(c.edge, installed, counts, positions.table);
    const bool vertical = c.edge == DockEdge::Right || c.edge == DockEdge::Left;
    for (int n = 0; n < 13; ++n) {
        SCOPED_TRACE("button " + std::to_string(1000 + n));
        const Expect& e = c.buttons[n];
        ASSERT_EQ(e.place, plan.step[n].place);
        if (!e.place)
            continue;
        const CoordinatePair table = TablePoint(static_cast<int>(c.edge), e.layout - 1, e.key);
        EXPECT_EQ(vertical ? table.x : table.x - 215, plan.step[n].x);
        EXPECT_EQ(vertical ? table.y - 215 : table.y, plan.step[n].y);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DockLayoutCaseTest, ::testing::ValuesIn(kLayoutCases),
                         [](const ::testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

TEST(DockLayoutPresenceTest, CombinedFlagOnlyWithBothSlots)
{
    struct Case {
        bool eight;
        bool nine;
        int combined;
    };
    const Case cases[] = {{false, false, 0}, {true, false, 0}, {false, true, 0}, {true, true, 1}};
    for (const Case& c : cases) {
        bool exists[kPresenceSlots] = {};
        exists[8] = c.eight;
        exists[9] = c.nine;
        int installed[kPresenceFlags];
        SetPresenceFlags(exists, false, installed);
        EXPECT_EQ(c.combined, installed[10]) << c.eight << c.nine;
        EXPECT_EQ(c.eight ? 1 : 0, installed[8]);
        EXPECT_EQ(c.nine ? 1 : 0, installed[9]);
    }
}

TEST(DockLayoutPresenceTest, FlagsAreZeroOrOneAndStaleValuesAreReplaced)
{
    int installed[kPresenceFlags];
    for (int& flag : installed)
        flag = 7;
    const bool exists[kPresenceSlots] = {true, false, true, false, true, false, false, true, false, true};
    SetPresenceFlags(exists, false, installed);
    const int expected[kPresenceFlags] = {1, 0, 1, 0, 1, 0, 0, 1, 0, 1, 0};
    for (int i = 0; i < kPresenceFlags; ++i)
        EXPECT_EQ(expected[i], installed[i]) << "index " << i;
}

TEST(DockLayoutPictureTest, EveryButtonGetsItsEdgePicture)
{
    const int firstPicture[4] = {149, 166, 183, 200};
    const int installed[kPresenceFlags] = {};
    const int counts[kSlotGroups] = {};
    const PositionFixture positions;
    for (int edge = 0; edge < 4; ++edge) {
        const LayoutPlan plan = PlanButtonLayout(static_cast<DockEdge>(edge), installed, counts, positions.table);
        for (int n = 0; n < 13; ++n)
            EXPECT_EQ(firstPicture[edge] + n, plan.pictureId[n]) << "edge " << edge << " button " << 1000 + n;
    }
}

TEST(DockLayoutPlanTest, CountsThatDisagreeWithTheFlagsNeverReadOutsideTheGroup)
{
    // Slot 8 and slot 9 flagged without the combined flag, and group counts left at 0 or too small.
    const int installed[kPresenceFlags] = {1, 1, 0, 0, 0, 0, 1, 1, 1, 1, 0};
    const int counts[kSlotGroups] = {0, 0, 3};
    const PositionFixture positions;
    const LayoutPlan plan = PlanButtonLayout(DockEdge::Right, installed, counts, positions.table);
    EXPECT_FALSE(plan.step[0].place);  // layout 0 is never looked up
    EXPECT_FALSE(plan.step[1].place);
    EXPECT_TRUE(plan.step[8].place);
    EXPECT_EQ(TablePoint(0, 2, 8).y - 215, plan.step[8].y);
    EXPECT_FALSE(plan.step[9].place);  // a fourth place would be key 9
}

}  // namespace
}  // namespace zep
