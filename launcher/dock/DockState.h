#pragma once

namespace zep {

// The bar's show/hide state. Moving also covers start-up.
enum DockState : int {
    Hidden = 0,
    Shown = 1,
    Moving = 2,
};

}  // namespace zep
