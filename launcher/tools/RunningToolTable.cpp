#include "launcher/tools/RunningToolTable.h"

namespace zep {
namespace {

const wchar_t kDialogClass[] = L"#32770";
const wchar_t kToolClass[] = L"ZepToolWindow";

}  // namespace

const RunningToolRow kRunningToolTable[kRunningToolRows] = {
    {kDialogClass, L"ZepBright", nullptr, 1, {DockButton::Tool0}},
    {kToolClass, L"ZepSaver", nullptr, 1, {DockButton::Tool1}},
    {kToolClass, L"ZepAir", nullptr, 1, {DockButton::Tool2}},
    {kToolClass, L"ZepMix", nullptr, 2, {DockButton::Tool3, DockButton::Tool4}},
    {kDialogClass, L"ZepTouch", nullptr, 1, {DockButton::Tool5}},
    {kToolClass, L"ZepGlow", L"ZepGlowLiteWindow", 1, {DockButton::Tool6}},
    {kToolClass, L"ZepSnap", nullptr, 1, {DockButton::Tool7}},
    {kToolClass, L"ZepShare", nullptr, 2, {DockButton::Tool8, DockButton::Combined}},
    {kDialogClass, L"ZepCast", nullptr, 1, {DockButton::Tool9}},
};

void RunningMarksFor(const bool (&found)[kRunningToolRows], RunningMark (&marks)[kRunningMarks]) noexcept
{
    int next = 0;
    bool combined = false;
    for (int row = 0; row < kRunningToolRows; ++row) {
        const RunningToolRow& entry = kRunningToolTable[row];
        for (int i = 0; i < entry.buttonCount; ++i) {
            if (entry.buttons[i] == DockButton::Combined)
                combined = found[row];  // written after row 9
            else
                marks[next++] = RunningMark{entry.buttons[i], found[row]};
        }
    }
    marks[next] = RunningMark{DockButton::Combined, combined};
}

}  // namespace zep
