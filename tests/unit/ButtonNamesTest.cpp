// The accessible names of the dock buttons.
#include <gtest/gtest.h>

#include "launcher/dock/ButtonNames.h"

namespace zep {
namespace {

TEST(ButtonNamesTest, ToolNamesAsTheCardsShowThem)
{
    const wchar_t* const names[kToolSlots] = {L"Bright", L"Saver", L"Air",   L"Mix",   L"Cam",
                                              L"Touch",  L"Glow",  L"Snap",  L"Share", L"Cast"};
    struct Case {
        DockButton button;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {DockButton::Tool0, L"Bright"},          {DockButton::Tool5, L"Touch"},
        {DockButton::Tool8, L"Share"},           {DockButton::Tool9, L"Cast"},
        {DockButton::Combined, L"Cast and Share"},  // the wide card: slot 9 on the left
        {DockButton::Settings, L"Dock settings"}, {DockButton::Hide, L"Hide the dock"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ControlId(c.button));
        EXPECT_EQ(std::wstring(c.expected), AccessibleButtonName(c.button, names));
    }
}

}  // namespace
}  // namespace zep
