#pragma once

// The scale the bar is drawn at on its screen: the monitor's, unless the dock dialog would then be longer
// than the screen along the dock edge. Pure logic: no Windows headers.

#include <string>

#include "launcher/config/DisplayScale.h"
#include "launcher/config/DockEdge.h"

namespace zep {

struct BarScale {
    DisplayScale scale;    // the bar, its buttons, its card and the settings panel
    DisplayScale monitor;  // the drawn scale of the monitor's DPI
    int screenLength;      // the screen along the dock edge, in pixels
    bool Reduced() const noexcept { return scale != monitor; }
};

// The largest drawn scale not above `monitorDpi` at which the dock dialog (S(815) - S(215) long) fits the
// length of a `screenWidth` x `screenHeight` screen along `edge`; 100 % where none fits. The bar itself may
// be longer than the screen and is then cut at both ends, as at 100 % on a 768-pixel screen; the buttons
// all lie on the dock dialog and so stay on the screen.
BarScale ChooseBarScale(int monitorDpi, DockEdge edge, int screenWidth, int screenHeight) noexcept;

// The debug string written whenever the bar takes its scale: "Zephra scale 150% fits the screen", and when
// the monitor's scale was too large, why: "Zephra scale 125% fits the screen (150% needs 900 of the 768
// pixels along the right edge)".
std::wstring DescribeChosenScale(const BarScale& choice, DockEdge edge);

}  // namespace zep
