#pragma once

// A button place read from the launch configuration: "x,y" in skin pixels.
// Pure logic: no Windows headers.

namespace zep {

struct CoordinatePair {
    int x = 0;
    int y = 0;
    friend bool operator==(const CoordinatePair& a, const CoordinatePair& b) { return a.x == b.x && a.y == b.y; }
};

// Longest value taken from a pair entry; longer values are cut to this many characters.
constexpr int kCoordinatePairChars = 9;

// Parses a pair value: split at commas (empty pieces skipped, so leading and doubled commas do not count),
// the first piece is x, the second y, each read as a signed decimal (leading white space skipped, optional
// sign, digits up to the first other character, 0 without digits). A missing piece gives 0. Only the first
// kCoordinatePairChars characters of `value` are looked at. A null value gives (0, 0).
CoordinatePair ParseCoordinatePair(const wchar_t* value) noexcept;

}  // namespace zep
