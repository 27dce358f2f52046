#pragma once

// F1 help of every launcher window: opens "Help.mht" from the install folder with the shell's "open"
// verb. Always true (the help message counts as handled); a failed open is not reported.
// Thread: user-interface thread.

namespace zep {

bool OpenHelp();

}  // namespace zep
