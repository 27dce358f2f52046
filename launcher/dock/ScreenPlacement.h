#pragma once

// The screen as the bar last read it: the primary screen's work area, size and DPI, the scale the bar is
// drawn at on each edge, and the bar's parked and shown positions that follow from them. Slides and corrections use the stored values; they are read at
// start-up and again when the system reports a change.
// Thread: user-interface thread only.

#include <windows.h>

#include "launcher/config/CoordinatePair.h"
#include "launcher/config/DockEdge.h"
#include "launcher/dock/BarPlacement.h"
#include "launcher/dock/BarScale.h"

namespace zep {

class CScreenPlacement {
public:
    // Reads the work area, the screen size and the monitor's DPI. True when the work area should be read once more a second
    // from now: Windows XP reports a new work area late after a taskbar change, and one that still covers
    // the whole screen height may be the old one.
    bool Read();
    // Reads the work area alone again.
    void ReadWorkArea();

    const WorkArea& Area() const noexcept { return m_workArea; }
    int Width() const noexcept { return m_nScreenCx; }
    int Height() const noexcept { return m_nScreenCy; }
    int MonitorDpi() const noexcept { return m_nMonitorDpi; }

    // The scale of the bar on `edge`: the monitor's, or the largest smaller one whose dock dialog fits.
    BarScale ScaleFor(DockEdge edge) const noexcept;

    CoordinatePair Parked(DockEdge edge) const noexcept;
    CoordinatePair Shown(DockEdge edge) const noexcept;

private:
    WorkArea m_workArea{0, 0, 0, 0};
    int m_nScreenCx = 0;
    int m_nScreenCy = 0;
    int m_nMonitorDpi = DisplayScale::kBaseDpi;
};

}  // namespace zep
