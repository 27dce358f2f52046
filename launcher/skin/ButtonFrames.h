#pragma once

// The looks of an image button, each drawn once onto its dialog's key colour and then copied at every
// paint: a GDI+ drawing of a frame costs a few milliseconds, a copy a few microseconds, and a dock dialog
// entering the screen repaints all its buttons several times.
//
// Ownership: one bitmap holding the four looks side by side, owned here and dropped by Reset (the owner
// calls it whenever the picture changes). Thread: user-interface thread only.

#include <windows.h>

#include "framework/UniqueResource.h"

namespace zep {

class SkinImage;

// Frames of a three-frame picture: 0 normal, 1 pointer over it or tool running, 2 pressed; and frame 2
// over frame 1 (pressed while its tool runs).
enum class ButtonLook { Normal, Hot, Pressed, PressedRunning };

class ButtonFrames {
public:
    // Copies `look` into `target` at (0, 0): `picture`'s frames of `frameSize`, on `key`. The looks are
    // drawn at the first call, and again when the key colour is another. False, and nothing copied, when
    // no bitmap compatible with `target` can be made.
    bool Paint(HDC target, SkinImage& picture, SIZE frameSize, COLORREF key, ButtonLook look);
    void Reset() noexcept { m_looks.reset(); }
    bool Ready() const noexcept { return m_looks.get() != nullptr; }

private:
    bool Draw(HDC target, SkinImage& picture, COLORREF key);

    UniqueGdiObject m_looks;  // the four looks, left to right in ButtonLook order
    SIZE m_frame{0, 0};
    COLORREF m_key = 0;
};

}  // namespace zep
