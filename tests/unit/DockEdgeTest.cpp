// Numbers that name dock edges and dock buttons: the stored "Direction", an edge sent by another program,
// a control identifier. This is where every number outside the four edges and the 13 buttons is turned
// away; everything past it takes the typed values.
#include <gtest/gtest.h>

#include "launcher/config/DockButton.h"
#include "launcher/config/DockEdge.h"

namespace zep {
namespace {

TEST(DockEdgeTest, NumbersNameAnEdgeOnlyFromZeroToThree)
{
    struct Case {
        long value;
        bool edge;         // names an edge
        DockEdge stored;   // the edge a stored "Direction" of this value gives
    };
    const Case cases[] = {
        {0, true, DockEdge::Right},   {1, true, DockEdge::Left},    {2, true, DockEdge::Top},
        {3, true, DockEdge::Bottom},  {4, false, DockEdge::Right},  {-1, false, DockEdge::Right},
        {48, false, DockEdge::Right}, {0x7fffffffL, false, DockEdge::Right},
        {-0x7fffffffL - 1, false, DockEdge::Right},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const std::optional<DockEdge> edge = ToDockEdge(c.value);
        ASSERT_EQ(c.edge, edge.has_value());
        if (c.edge)
            EXPECT_EQ(c.value, EdgeIndex(*edge));
        EXPECT_EQ(c.stored, StoredDockEdge(c.value));
    }
}

TEST(DockEdgeTest, ControlIdentifiersNameAButtonOnlyFrom1000To1012)
{
    struct Case {
        int controlId;
        bool button;
        bool tool;
        bool card;
    };
    const Case cases[] = {
        {999, false, false, false},  {1000, true, true, true},  {1009, true, true, true},
        {1010, true, false, true},   {1011, true, false, false}, {1012, true, false, false},
        {1013, false, false, false}, {2007, false, false, false}, {-1000, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.controlId);
        const std::optional<DockButton> button = ToDockButton(c.controlId);
        ASSERT_EQ(c.button, button.has_value());
        if (!c.button)
            continue;
        EXPECT_EQ(c.controlId, ControlId(*button));
        EXPECT_EQ(c.tool, IsToolButton(*button));
        EXPECT_EQ(c.card, HasCard(*button));
    }
}

static_assert(ButtonIndex(DockButton::Hide) == kDockButtons - 1 && SlotOf(DockButton::Tool9) == 9, "");

}  // namespace
}  // namespace zep
