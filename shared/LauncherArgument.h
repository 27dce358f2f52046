#pragma once

// The launcher names itself on the assistant's command line ("/launcher:<process id>"), so the assistant
// follows the process that started it even when that one ends before the assistant could find its window.
// Written by the launcher, read by the assistant; an assistant started without it finds the launcher by its
// dock dialog instead.

#include <optional>
#include <string>
#include <string_view>

namespace zep {

inline constexpr std::wstring_view kLauncherSwitch = L"/launcher:";

inline std::wstring LauncherArgument(unsigned long processId)
{
    return std::wstring(kLauncherSwitch) + std::to_wstring(processId);
}

// The process id from the last word of a whole command line (GetCommandLineW: the program first), where the
// launcher puts it. None when that word is not the switch followed by a non-zero 32-bit decimal number.
inline std::optional<unsigned long> LauncherFromCommandLine(std::wstring_view commandLine)
{
    commandLine = commandLine.substr(0, commandLine.find_last_not_of(L" \t") + 1);
    const std::wstring_view word = commandLine.substr(commandLine.find_last_of(L" \t") + 1);
    if (word.size() <= kLauncherSwitch.size() || word.size() > kLauncherSwitch.size() + 10 ||
        word.substr(0, kLauncherSwitch.size()) != kLauncherSwitch)
        return std::nullopt;
    unsigned long long id = 0;
    for (const wchar_t c : word.substr(kLauncherSwitch.size())) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        id = id * 10 + static_cast<unsigned>(c - L'0');
    }
    if (id == 0 || id > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<unsigned long>(id);
}

}  // namespace zep
