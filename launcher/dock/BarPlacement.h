#pragma once

// Screen positions of the bar's background window. Pure logic: no Windows headers.

#include "launcher/config/CoordinatePair.h"

namespace zep {

// Where the bar waits while hidden: just beyond the dock edge of a screen of `screenWidth` x
// `screenHeight`, centred along it. False (and *position untouched) for an edge outside 0 to 3.
bool ParkedBarPosition(int edge, int screenWidth, int screenHeight, CoordinatePair* position) noexcept;

// The edge the launcher works with for a stored value: 0 to 3 as stored, anything else the right edge
// (a value written by hand or by another program must not index the per-edge tables).
constexpr int UsableDockEdge(long stored)
{
    return stored >= 0 && stored <= 3 ? static_cast<int>(stored) : 0;
}

}  // namespace zep
