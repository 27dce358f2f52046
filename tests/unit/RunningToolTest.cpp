// Which buttons the running-tool rows mark, and in which order.
#include <gtest/gtest.h>

#include <string>

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
            const int id = ControlId(marks[i].button);
            EXPECT_EQ(i == kRunningMarks - 1 ? 1010 : 1000 + i, id);  // every button, 1010 last
            if (marks[i].running)
                running += std::to_string(id) + " ";
        }
        EXPECT_EQ(c.running, running) << "row " << c.rowFound;
    }
}

}  // namespace
}  // namespace zep
