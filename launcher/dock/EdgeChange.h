#pragma once

// Moving the bar to another screen edge: the new edge is stored first, the bar slides out at the old
// edge, takes the new edge's geometry, pictures and places, and slides in at the new edge, where it ends
// shown; then the button layer is mirrored for the new edge. Both slides block the user-interface thread.
// Thread: user-interface thread only.

#include "launcher/config/DockEdge.h"

namespace zep {

class BarDriver;
class CCtrlDialog;
class CDockLayout;
class CLaunchConfig;
class CScreenPlacement;

class CEdgeChange {
public:
    // The parts of the bar an edge change works on; all outlive this object.
    CEdgeChange(BarDriver& driver, CCtrlDialog& bar, CDockLayout& layout, const CLaunchConfig& config,
                const CScreenPlacement& screen) noexcept
        : m_driver(driver), m_bar(bar), m_layout(layout), m_config(config), m_screen(screen)
    {
    }

    // Moves the bar to `edge`. Nothing for the current edge or while a slide runs, and nothing when the
    // new edge cannot be stored (the old one stays in effect). True when the bar moved.
    bool ChangeEdge(DockEdge edge);

private:
    BarDriver& m_driver;
    CCtrlDialog& m_bar;
    CDockLayout& m_layout;
    const CLaunchConfig& m_config;
    const CScreenPlacement& m_screen;
};

}  // namespace zep
