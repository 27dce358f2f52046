#include "launcher/dock/ButtonNames.h"

namespace zep {

std::wstring AccessibleButtonName(DockButton button, const wchar_t* const (&toolNames)[kToolSlots])
{
    switch (button) {
    case DockButton::Combined:
        return std::wstring(toolNames[9]) + L" and " + toolNames[8];
    case DockButton::Settings:
        return L"Dock settings";
    case DockButton::Hide:
        return L"Hide the dock";
    default:
        return toolNames[ButtonIndex(button)];
    }
}

}  // namespace zep
