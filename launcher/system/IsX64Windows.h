#pragma once

namespace zep {

// True when the machine runs 64-bit (x64) Windows, whatever this program's own bitness. Asked afresh at each
// call (GetNativeSystemInfo).
bool IsX64Windows();

}  // namespace zep
