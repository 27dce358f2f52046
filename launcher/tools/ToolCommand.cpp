#include "launcher/tools/ToolCommand.h"


#include "launcher/tools/ToolSystem.h"

namespace zep {
namespace {

constexpr unsigned long kExtendedKey = 0x1;  // KEYEVENTF_EXTENDEDKEY
constexpr unsigned long kKeyUp = 0x2;        // KEYEVENTF_KEYUP

constexpr ToolCommand kCommands[] = {
    {ToolAction::Launch, 0, 0, 0, 0},                             // 1000
    {ToolAction::LaunchOrRequest, 1, 2030, 0, 0},                 // 1001
    {ToolAction::Launch, 2, 0, 0, 0},                             // 1002
    {ToolAction::KeyEvent, 0, 0, 0x76, kExtendedKey | kKeyUp},    // 1003: a release only
    {ToolAction::KeyEvent, 0, 0, 0x75, kExtendedKey | kKeyUp},    // 1004: a release only
    {ToolAction::LaunchOrRequest, 5, 2031, 0, 0},                 // 1005
    {ToolAction::KeyEvent, 0, 0, 0x04, kExtendedKey},             // 1006: a press only
    {ToolAction::Launch, 7, 0, 0, 0},                             // 1007
    {ToolAction::LaunchUnredirected, 8, 0, 0, 0},                 // 1008
    {ToolAction::Launch, 9, 0, 0, 0},                             // 1009
    {ToolAction::Nothing, 0, 0, 0, 0},                            // 1010
    {ToolAction::OpenSettings, 0, 0, 0, 0},                       // 1011
    {ToolAction::Hide, 0, 0, 0, 0},                               // 1012
};

std::size_t TerminatedLength(const wchar_t* text, std::size_t capacity)
{
    std::size_t length = 0;
    while (length < capacity - 1 && text[length] != L'\0')
        ++length;
    return length;
}

}  // namespace

static_assert(sizeof(kCommands) / sizeof(kCommands[0]) == kDockButtons, "one command per dock button");

ToolCommand ToolCommandFor(DockButton button) noexcept
{
    return kCommands[ButtonIndex(button)];
}

LaunchRequest BuildLaunchRequest(const LaunchEntry& entry) noexcept
{
    LaunchRequest bytes{};
    const auto put = [&bytes](std::size_t offset, const wchar_t* text, std::size_t capacity) {
        const std::size_t length = TerminatedLength(text, capacity);
        for (std::size_t i = 0; i < length; ++i) {
            const unsigned unit = static_cast<unsigned>(text[i]) & 0xFFFFu;
            bytes[offset + 2 * i] = static_cast<unsigned char>(unit & 0xFFu);
            bytes[offset + 2 * i + 1] = static_cast<unsigned char>(unit >> 8);
        }
    };
    put(0, entry.szPath, kPathChars);
    put(kPathChars * 2, entry.szExeName, kNameChars);
    return bytes;
}

bool ProgramInFolder(const LaunchEntry& entry, wchar_t (&path)[kPathChars]) noexcept
{
    path[0] = L'\0';
    const std::size_t folder = TerminatedLength(entry.szPath, kPathChars);
    const std::size_t name = TerminatedLength(entry.szExeName, kNameChars);
    if (folder == 0 || name == 0)
        return false;
    const bool separator = folder > 0 && entry.szPath[folder - 1] != L'\\' && entry.szPath[folder - 1] != L'/';
    if (folder + (separator ? 1 : 0) + name + 1 > kPathChars)
        return false;
    std::size_t at = 0;
    for (std::size_t i = 0; i < folder; ++i)
        path[at++] = entry.szPath[i];
    if (separator)
        path[at++] = L'\\';
    for (std::size_t i = 0; i < name; ++i)
        path[at++] = entry.szExeName[i];
    path[at] = L'\0';
    return true;
}

void LaunchTool(const LaunchEntry& entry, const wchar_t* verb, ToolSystem& system)
{
    wchar_t program[kPathChars];
    if (ProgramInFolder(entry, program))
        system.Execute(verb, program, entry.szPath);
}

void RunToolCommand(const ToolCommand& command, const LaunchEntry (&entries)[kToolSlots], ToolSystem& system)
{
    if (command.action == ToolAction::KeyEvent) {
        system.SendKeyEvent(command.scanCode, command.keyFlags);
        return;
    }
    if (command.entry < 0 || command.entry >= kToolSlots)
        return;
    const LaunchEntry& entry = entries[command.entry];
    switch (command.action) {
    case ToolAction::LaunchOrRequest:
        if (!system.IsX64Windows()) {
            const LaunchRequest record = BuildLaunchRequest(entry);
            if (!system.SendLaunchRequest(command.request, record.data(), record.size()))
                system.DebugString(L"Can't find ZepAssistant hWnd");
            return;
        }
        [[fallthrough]];
    case ToolAction::Launch:
        LaunchTool(entry, L"open", system);
        return;
    case ToolAction::LaunchUnredirected: {
        wchar_t program[kPathChars];
        if (!ProgramInFolder(entry, program))
            return;
        if (!system.IsX64Windows()) {
            LaunchTool(entry, nullptr, system);
            return;
        }
        void* state = nullptr;
        if (!system.DisableRedirection(&state))
            return;
        LaunchTool(entry, nullptr, system);
        system.RestoreRedirection(state);
        return;
    }
    default:
        return;
    }
}

}  // namespace zep
