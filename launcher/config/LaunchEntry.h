#pragma once

#include "launcher/config/FixedString.h"

namespace zep {

// Where a tool slot's program lies: its folder and its program file name, both zero-terminated.
struct LaunchEntry {
    wchar_t szPath[kPathChars];
    wchar_t szExeName[kNameChars];
};

}  // namespace zep
