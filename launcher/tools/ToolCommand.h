#pragma once

// What each of the dock's 13 buttons does when clicked, and the records the tool commands hand on.
// Pure logic: no Windows headers.

#include <array>
#include <cstddef>

#include "launcher/config/ConfigLimits.h"
#include "launcher/config/DockButton.h"
#include "launcher/config/LaunchEntry.h"

namespace zep {

enum class ToolAction {
    Nothing,              // 1010: the combined button; its card's buttons start the two tools
    Launch,               // the entry's program with the verb "open"
    LaunchOrRequest,      // on x64 as Launch; elsewhere a launch request to the 32-bit assistant
    LaunchUnredirected,   // the default verb, with file-system redirection switched off on x64
    KeyEvent,             // a synthetic key event the tool listens for
    OpenSettings,
    Hide,
};

struct ToolCommand {
    ToolAction action;
    int entry;              // slot of the launch entry (Launch*, and the request)
    unsigned long request;  // LaunchOrRequest: the request code (2030, 2031)
    unsigned char scanCode; // KeyEvent
    unsigned long keyFlags; // KeyEvent: KEYEVENTF_EXTENDEDKEY (1), | KEYEVENTF_KEYUP (2)
};

// The command of a dock button.
ToolCommand ToolCommandFor(DockButton button) noexcept;

// The commands of the tool buttons (1000 to 1009) close an open card first.
constexpr bool ClosesCardFirst(DockButton button) { return IsToolButton(button); }

// A launch request: an entry's folder (260 UTF-16 units) and program name (50), laid out like a Windows
// LaunchEntry (little-endian UTF-16, whatever this build's wchar_t), each copied up to its terminator and
// zero after it, so no memory of the launcher goes out.
constexpr std::size_t kLaunchRequestBytes = (kPathChars + kNameChars) * 2;
using LaunchRequest = std::array<unsigned char, kLaunchRequestBytes>;
LaunchRequest BuildLaunchRequest(const LaunchEntry& entry) noexcept;

// The program of `entry` inside its folder ("<folder>\<name>"), so the shell starts that file and no
// other of the same name from the current folder or the search path. False (and an empty path) for an
// empty folder or program name, or a whole that does not fit.
bool ProgramInFolder(const LaunchEntry& entry, wchar_t (&path)[kPathChars]) noexcept;

class ToolSystem;

// Starts the program of `entry` inside its folder, which is also the working folder, with `verb` (null:
// the file type's default). An entry that names no program starts nothing.
void LaunchTool(const LaunchEntry& entry, const wchar_t* verb, ToolSystem& system);

// Carries out what `command` starts: a launch (the program inside its folder, which is also the working
// folder), a launch request to the assistant, or a key event. Closing the card, the settings dialog and
// the hide are the dock's part. An entry that names no program starts nothing.
void RunToolCommand(const ToolCommand& command, const LaunchEntry (&entries)[kToolSlots], ToolSystem& system);

}  // namespace zep
