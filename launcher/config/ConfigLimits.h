#pragma once

// How much the launch configuration holds: tool slots, dock edges, layouts and position keys.
// Pure logic: no Windows headers.

#include "launcher/config/CoordinatePair.h"
#include "launcher/config/DockEdge.h"

namespace zep {

constexpr int kToolSlots = 10;
constexpr int kLayouts = 3;
constexpr int kPositionKeys = 9;
constexpr int kSettingButtons = 5;

// Button places, [EdgeIndex(edge)][layout - 1][key], in background-window pixels.
using PositionTable = CoordinatePair[kDockEdges][kLayouts][kPositionKeys];

}  // namespace zep
