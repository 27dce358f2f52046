#pragma once

// Fading a window pair in and out: the control dialog's layered alpha (with its colour key) and its
// background window's picture follow one alpha ramp together. The picture is composed once per ramp and
// every step hands that surface to the system with its own constant alpha. At 16 bits per pixel, where
// the system blends no constant alpha, only the background window is shown at each step.
// Every ramp blocks the calling thread for its duration (22 pauses of 10 ms); messages wait.
// Thread: user-interface thread only.

#include <windows.h>

#include "launcher/skin/FadeRamp.h"

namespace zep {

class CCtrlDialog;
class CPngDialog;

class CPairFader {
public:
    // Bits per pixel of a memory context compatible with `reference`'s window context; both contexts are
    // released before returning. 0 when no context can be had.
    static int ColourDepth(HWND reference);

    // Opens `dialog`: at 16 bits per pixel (measured against `reference`) its background window is
    // composed at 0, 8, ..., 248 without pauses and the dialog's own transparency is left alone; at any
    // other depth the kFadeInAlphas ramp. The dialog stays at alpha 252.
    static void FadeIn(CCtrlDialog& dialog, HWND reference);
    // Closes `dialog` before it is destroyed: at 16 bits per pixel the dialog is hidden and its background
    // composed at 255, 247, ..., 7 without pauses; at any other depth the kFadeOutAlphas ramp.
    static void FadeOut(CCtrlDialog& dialog, HWND reference);

    // One ramp: before each step a 10 ms pause, then the dialog's layered attributes (its key colour
    // with the step's alpha), its background window and `companion` (when not null) shown at that alpha.
    template <std::size_t Steps>
    static void Ramp(CCtrlDialog& dialog, CPngDialog* companion, const AlphaRamp<Steps>& ramp)
    {
        const HeldPictures held(dialog, companion);
        for (unsigned char alpha : ramp)
            Step(dialog, companion, alpha);
    }

private:
    // Holds the compositions of a pair's background window and of a companion for one ramp.
    class HeldPictures {
    public:
        HeldPictures(CCtrlDialog& dialog, CPngDialog* companion) noexcept;
        ~HeldPictures();
        HeldPictures(const HeldPictures&) = delete;
        HeldPictures& operator=(const HeldPictures&) = delete;

    private:
        CPngDialog* m_background;
        CPngDialog* m_companion;
    };

    static void Step(CCtrlDialog& dialog, CPngDialog* companion, BYTE alpha);
};

}  // namespace zep
