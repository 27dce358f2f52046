#pragma once

// F1 help of every launcher window: opens "Help.mht" from the install folder with the shell's "open"
// verb. Thread: user-interface thread.

namespace zep {

// True when the shell opened the help file; false when the install folder is unknown or the shell could not
// open the file (it is missing, say).
bool OpenHelp();

}  // namespace zep
