#pragma once

namespace zep {

// Windows 5.1 (XP), where the work area and layered windows need extra care. Asked afresh at each call.
bool IsWindowsXp();

}  // namespace zep
