#pragma once

// The dock key as the low-level keyboard hook reports it. Pure logic: no Windows headers.

namespace zep {

constexpr unsigned kKeyFlagExtended = 0x01;  // LLKHF_EXTENDED
constexpr unsigned kKeyFlagUp = 0x80;        // LLKHF_UP
constexpr unsigned kDockKeyScanCode = 0x78;

// True for a release of the dock key: extended scan code 0x78 with the up flag. Other flag bits (injected,
// Alt down) do not matter.
constexpr bool IsDockKeyRelease(unsigned long flags, unsigned long scanCode)
{
    return (flags & kKeyFlagUp) != 0 && (flags & kKeyFlagExtended) != 0 && scanCode == kDockKeyScanCode;
}

}  // namespace zep
