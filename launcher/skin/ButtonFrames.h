#pragma once

// The looks of an image button, each drawn once onto its dialog's key colour and then copied at every
// paint: a GDI+ drawing of a frame costs a millisecond or more, a copy a few microseconds, and a dock
// dialog entering the screen repaints all its buttons several times.
//
// Ownership: a memory context holding one bitmap with the four looks side by side, owned here and dropped
// by Reset (the owner calls it whenever the picture changes). Thread: user-interface thread only.

#include <windows.h>

#include <optional>

#include "framework/UniqueResource.h"

namespace zep {

class SkinImage;

// Frames of a three-frame picture: 0 normal, 1 pointer over it or tool running, 2 pressed; and frame 2
// over frame 1 (pressed while its tool runs).
enum class ButtonLook { Normal, Hot, Pressed, PressedRunning };

class ButtonFrames {
public:
    ButtonFrames() noexcept = default;
    ~ButtonFrames() { Reset(); }
    ButtonFrames(const ButtonFrames&) = delete;
    ButtonFrames& operator=(const ButtonFrames&) = delete;

    // Draws the four looks of `picture` (frames of `frameSize`) on `key`, in a bitmap compatible with
    // `reference` (the button's own device context). False when no such bitmap can be made.
    bool Prepare(HDC reference, SkinImage& picture, SIZE frameSize, COLORREF key);
    // Copies `look` into `target` at (0, 0), preparing the looks first when they are missing or were
    // drawn for another key colour or frame size. False, and nothing copied, when they cannot be made.
    bool Paint(HDC target, SkinImage& picture, SIZE frameSize, COLORREF key, ButtonLook look);
    void Reset() noexcept;
    bool Ready() const noexcept { return m_selection.has_value(); }

private:
    UniqueMemoryDc m_dc;
    UniqueGdiObject m_looks;  // the four looks, left to right in ButtonLook order; selected into m_dc
    std::optional<ScopedSelectObject> m_selection;
    SIZE m_frame{0, 0};
    COLORREF m_key = 0;
};

}  // namespace zep
