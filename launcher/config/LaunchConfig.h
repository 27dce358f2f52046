#pragma once

// The launcher's configuration: the launch configuration file LaunchInfo.ini in the install folder
// (read-only), the per-user dock edge "Direction" and the per-machine install paths of the tools.
// Thread: user-interface thread only.

#include <windows.h>

#include "launcher/config/ConfigLimits.h"
#include "launcher/config/DockEdge.h"
#include "launcher/config/IniText.h"
#include "launcher/config/LaunchEntry.h"

namespace zep {

// What the dock dialog keeps of the configuration (it holds one as a member). Filled only by reading the
// file and the registry; everyone else reads it.
class CLaunchConfig {
public:
    CLaunchConfig() noexcept;

    // Reads LaunchInfo.ini, once: section names of the ten slots and of the alternative tool for slot 6,
    // each slot's folder and program name, and the button places of every edge and layout. Missing file,
    // sections or keys give the documented defaults ("Unknow", (0, 0)). Writes the section names as
    // debug strings.
    void ReadLaunchInfo();

    // Reads "Direction" (kept as it was when the per-user key cannot be opened; a stored number that names
    // no edge reads as the right edge) and the install path of every slot and of the alternative tool
    // (empty when missing, or longer than a path). Always true.
    bool ReadRegistrySettings();

    // Section name of tool slot `slot` (0 to 9), and of the alternative tool for slot 6.
    const wchar_t* AppName(int slot) const noexcept { return m_szAppName[slot]; }
    const wchar_t* AlternativeAppName() const noexcept { return m_szAppName61; }
    const LaunchEntry (&Entries() const noexcept)[kToolSlots] { return m_LaunchEntry; }
    // [edge][layout - 1][key]: top-left of a button in background-window pixels.
    const PositionTable& Positions() const noexcept { return m_ptCtrlPos; }
    const wchar_t* InstallPath(int slot) const noexcept { return m_szInstallPath[slot]; }
    const wchar_t* AlternativeInstallPath() const noexcept { return m_szInstallPath61; }
    // The edge "Direction" named at the last read (the right edge before any).
    DockEdge StoredEdge() const noexcept { return m_nDirection; }
    // When the machine key was last written, as of the last read (FILETIME ticks; zero: missing then), so
    // that its watch can tell a change made since.
    ULONGLONG MachineKeyWritten() const noexcept { return m_nMachineKeyWritten; }

private:
    wchar_t m_szAppName[kToolSlots][kNameChars];
    wchar_t m_szAppName61[kPathChars];
    LaunchEntry m_LaunchEntry[kToolSlots];
    PositionTable m_ptCtrlPos;
    wchar_t m_szInstallPath[kToolSlots][kPathChars];
    wchar_t m_szInstallPath61[kPathChars];
    DockEdge m_nDirection;
    ULONGLONG m_nMachineKeyWritten = 0;
};

// The INI file at `path`, read once, for questions answered as GetPrivateProfileStringW answers them. A file
// that cannot be opened or read (or is larger than 16 MiB) answers as a missing one.
IniText ReadIniFile(const wchar_t* path);

// The program-files folder (for a 32-bit program on 64-bit Windows, the 32-bit one). False and an empty
// string when the system cannot tell.
bool GetProgramFilesFolder(wchar_t (&folder)[MAX_PATH]);

// "<program files>\Zephra\Zephra3\<file>" (the install folder and a file in it). False and an empty string
// when the program-files folder is unknown or the name does not fit.
bool GetInstallFilePath(const wchar_t* file, wchar_t (&path)[MAX_PATH]);

// Makes sure HKCU "SOFTWARE\Zephra" holds a REG_DWORD "Direction" and yields the stored dock edge (0 when
// it had to be written; a value of another type is replaced by 0). A key the user may read but not write is
// only read (a value of another type then yields 0 as it stands). False when the key can be neither opened
// nor created.
bool EnsureDirectionValue(int* edge);

// Stores a new dock edge as REG_DWORD "Direction" in the existing per-user key. False when the key cannot be
// opened or the value cannot be written.
bool WriteDirection(DockEdge edge);

// The top-left corners of the settings dialog's five buttons, from section "Setting_Ctrl_Pos".
void ReadSettingPositions(CoordinatePair (&places)[kSettingButtons]);

}  // namespace zep
