#pragma once

// The screen as the bar last read it: the primary screen's work area and size, and the bar's parked and
// shown positions that follow from them. Slides and corrections use the stored values; they are read at
// start-up and again when the system reports a change.
// Thread: user-interface thread only.

#include <windows.h>

#include "launcher/config/CoordinatePair.h"
#include "launcher/config/DockEdge.h"
#include "launcher/dock/BarPlacement.h"

namespace zep {

class CScreenPlacement {
public:
    // Reads the work area and the screen size. True when the work area should be read once more a second
    // from now: Windows XP reports a new work area late after a taskbar change, and one that still covers
    // the whole screen height may be the old one.
    bool Read();
    // Reads the work area alone again.
    void ReadWorkArea();

    const WorkArea& Area() const noexcept { return m_workArea; }
    int Width() const noexcept { return m_nScreenCx; }
    int Height() const noexcept { return m_nScreenCy; }

    CoordinatePair Parked(DockEdge edge) const noexcept;
    CoordinatePair Shown(DockEdge edge) const noexcept;

private:
    WorkArea m_workArea{0, 0, 0, 0};
    int m_nScreenCx = 0;
    int m_nScreenCy = 0;
};

}  // namespace zep
