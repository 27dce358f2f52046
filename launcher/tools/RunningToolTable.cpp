#include "launcher/tools/RunningToolTable.h"

namespace zep {

namespace {
const wchar_t kDialogClass[] = L"#32770";
const wchar_t kToolClass[] = L"ZepToolWindow";
}  // namespace

const RunningToolRow kRunningToolTable[kRunningToolRows] = {
    {kDialogClass, L"ZepBright", nullptr, {1000, 0}},
    {kToolClass, L"ZepSaver", nullptr, {1001, 0}},
    {kToolClass, L"ZepAir", nullptr, {1002, 0}},
    {kToolClass, L"ZepMix", nullptr, {1003, 1004}},
    {kDialogClass, L"ZepTouch", nullptr, {1005, 0}},
    {kToolClass, L"ZepGlow", L"ZepGlowLiteWindow", {1006, 0}},
    {kToolClass, L"ZepSnap", nullptr, {1007, 0}},
    {kToolClass, L"ZepShare", nullptr, {1008, 1010}},
    {kDialogClass, L"ZepCast", nullptr, {1009, 0}},
};

void RunningMarksFor(const bool (&found)[kRunningToolRows], RunningMark (&marks)[kRunningMarks]) noexcept
{
    int next = 0;
    bool combined = false;
    for (int row = 0; row < kRunningToolRows; ++row) {
        for (int button : kRunningToolTable[row].buttons) {
            if (button == 1010)
                combined = found[row];  // written after row 9
            else if (button != 0)
                marks[next++] = RunningMark{button, found[row]};
        }
    }
    marks[next] = RunningMark{1010, combined};
}

}  // namespace zep
