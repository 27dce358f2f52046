// The accessible names of the dock buttons.
#include <gtest/gtest.h>

#include "launcher/dock/ButtonNames.h"

namespace zep {
namespace {

TEST(ButtonNamesTest, ToolNamesAsTheCardsShowThem)
{
    const wchar_t* const names[kToolSlots] = {L"T0", L"T1", L"T2", L"T3", L"T4", L"T5", L"T6", L"T7", L"T8", L"T9"};
    const struct { DockButton button; const wchar_t* expected; } cases[] = {
        {DockButton::Tool0, L"T0"}, {DockButton::Tool9, L"T9"}, {DockButton::Combined, L"T9 and T8"},  // slot 9 left
        {DockButton::Settings, L"Dock settings"}, {DockButton::Hide, L"Hide the dock"}};
    for (const auto& c : cases)
        EXPECT_EQ(std::wstring(c.expected), AccessibleButtonName(c.button, names)) << ControlId(c.button);
}

}  // namespace
}  // namespace zep
