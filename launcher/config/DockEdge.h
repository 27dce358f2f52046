#pragma once

// The screen edge the bar is docked on, and what follows from it alone. Pure logic: no Windows headers.
//
// The edge is stored per user as a number (0 right, 1 left, 2 top, 3 bottom); ToDockEdge is the one place
// where a number becomes an edge. Everything past it takes a DockEdge and never asks whether it is valid.

#include <optional>

namespace zep {

enum class DockEdge : int {
    Right = 0,
    Left = 1,
    Top = 2,
    Bottom = 3,
};

constexpr int kDockEdges = 4;

// Every edge in the order of the per-edge tables (the order of the stored numbers).
constexpr DockEdge kAllDockEdges[kDockEdges] = {DockEdge::Right, DockEdge::Left, DockEdge::Top, DockEdge::Bottom};

// The edge a stored or sent number names; none for a number outside 0 to 3.
constexpr std::optional<DockEdge> ToDockEdge(long value)
{
    if (value < 0 || value >= kDockEdges)
        return std::nullopt;
    return static_cast<DockEdge>(value);
}

// The edge the launcher works with for a stored "Direction": an unusable number (written by hand or by
// another program) takes the right edge, where a fresh user starts too.
constexpr DockEdge StoredDockEdge(long value) { return ToDockEdge(value).value_or(DockEdge::Right); }

// The number stored for an edge, which is also its index into every per-edge table.
constexpr int EdgeIndex(DockEdge edge) { return static_cast<int>(edge); }

// The right and left edges carry a vertical bar (133 x 1040), the top and bottom a horizontal one.
constexpr bool IsVertical(DockEdge edge) { return edge == DockEdge::Right || edge == DockEdge::Left; }

// The edges where the bar lies against the far side of the screen: hiding moves it toward larger
// coordinates there, toward smaller ones on the left and top.
constexpr bool IsFarEdge(DockEdge edge) { return edge == DockEdge::Right || edge == DockEdge::Bottom; }

}  // namespace zep
