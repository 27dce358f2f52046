#include "launcher/dock/DockButtons.h"

#include "launcher/config/LaunchConfig.h"
#include "launcher/dock/ButtonNames.h"
#include "launcher/tools/RunningToolTable.h"

namespace zep {

void CDockButtons::Create(HWND parent)
{
    for (int n = 0; n < kDockButtons; ++n) {
        m_buttons[n] = std::make_unique<CImageButton>();
        const RECT empty = {0, 0, 0, 0};
        m_buttons[n]->Create(L"", 0, empty, parent, static_cast<UINT>(ControlId(DockButtonAt(n))));
        ::ShowWindow(*m_buttons[n], SW_HIDE);
    }
}

void CDockButtons::Destroy() noexcept
{
    for (std::unique_ptr<CImageButton>& button : m_buttons)
        button.reset();
}

void CDockButtons::LayOut(const LayoutPlan& plan)
{
    for (int n = 0; n < kDockButtons; ++n) {
        if (m_buttons[n])
            m_buttons[n]->LoadButtonImage(static_cast<UINT>(plan.pictureId[n]), plan.scale);
    }
    for (int n = 0; n < kDockButtons; ++n) {
        const HWND button = m_buttons[n] ? m_buttons[n]->GetSafeHwnd() : nullptr;
        if (button == nullptr)
            continue;
        const ButtonStep& step = plan.step[n];
        if (step.place)
            ::SetWindowPos(button, HWND_TOP, step.x, step.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
        else
            ::ShowWindow(button, SW_HIDE);
    }
}

void CDockButtons::SetNames(const CLaunchConfig& config)
{
    const wchar_t* toolNames[kToolSlots];
    for (int slot = 0; slot < kToolSlots; ++slot)
        toolNames[slot] = config.AppName(slot);
    for (int n = 0; n < kDockButtons; ++n) {
        if (m_buttons[n])
            ::SetWindowTextW(*m_buttons[n], AccessibleButtonName(DockButtonAt(n), toolNames).c_str());
    }
}

void CDockButtons::Enable(bool enable)
{
    for (const std::unique_ptr<CImageButton>& button : m_buttons) {
        if (button)
            ::EnableWindow(button->GetSafeHwnd(), enable ? TRUE : FALSE);
    }
}

void CDockButtons::MarkRunningTools(unsigned long long rowsFound)
{
    bool found[kRunningToolRows];
    for (int row = 0; row < kRunningToolRows; ++row)
        found[row] = (rowsFound >> row & 1) != 0;
    RunningMark marks[kRunningMarks];
    RunningMarksFor(found, marks);
    for (const RunningMark& mark : marks) {
        if (CImageButton* button = Get(mark.button))
            button->SetRunning(mark.running);
    }
}

}  // namespace zep
