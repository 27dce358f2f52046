// Which buttons the running-tool rows mark, in which order, and where the button layer is mirrored.
#include <gtest/gtest.h>

#include <string>

#include "launcher/dock/DockGeometry.h"
#include "launcher/tools/RunningToolTable.h"

namespace zep {
namespace {

TEST(RunningToolTest, RowsMarkTheirButtonsAndTheCombinedOneLast)
{
    struct Case {
        int rowFound;  // -1: none
        std::string running;
    };
    const Case cases[] = {
        {-1, ""}, {0, "1000 "}, {3, "1003 1004 "}, {5, "1006 "}, {7, "1008 1010 "}, {8, "1009 "},
    };
    for (const Case& c : cases) {
        bool found[kRunningToolRows] = {};
        if (c.rowFound >= 0)
            found[c.rowFound] = true;
        RunningMark marks[kRunningMarks];
        RunningMarksFor(found, marks);
        std::string running;
        for (int i = 0; i < kRunningMarks; ++i) {
            EXPECT_EQ(i == kRunningMarks - 1 ? 1010 : 1000 + i, marks[i].button);  // every button, 1010 last
            if (marks[i].running)
                running += std::to_string(marks[i].button) + " ";
        }
        EXPECT_EQ(c.running, running) << "row " << c.rowFound;
    }
}

TEST(RunningToolTest, MirrorCoversTheDockDialogsStretch)
{
    struct Case {
        int edge, w, h;
        WorkArea rect;
    };
    const Case cases[] = {
        {0, 133, 1040, {0, 215, 133, 815}}, {1, 133, 1040, {0, 215, 133, 815}},
        {2, 1040, 133, {215, 0, 815, 133}}, {3, 1040, 133, {215, 0, 815, 133}},
    };
    for (const Case& c : cases) {
        WorkArea rect{};
        ASSERT_TRUE(MirrorDestination(c.edge, c.w, c.h, &rect));
        EXPECT_TRUE(rect.left == c.rect.left && rect.top == c.rect.top && rect.right == c.rect.right &&
                    rect.bottom == c.rect.bottom)
            << "edge " << c.edge;
    }
    WorkArea untouched{};
    EXPECT_FALSE(MirrorDestination(4, 133, 1040, &untouched));
}

}  // namespace
}  // namespace zep
