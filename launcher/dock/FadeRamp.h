#pragma once

// The constant-alpha ramps with which a dialog pair appears and disappears. Pure logic: no Windows headers.

#include <array>

namespace zep {

constexpr int kFadeSteps = 22;
using FadeRamp = std::array<unsigned char, kFadeSteps>;

// A ramp of kFadeSteps values from `first`, `delta` apart.
constexpr FadeRamp MakeFadeRamp(int first, int delta)
{
    FadeRamp ramp{};
    for (int i = 0; i < kFadeSteps; ++i)
        ramp[static_cast<unsigned>(i)] = static_cast<unsigned char>(first + i * delta);
    return ramp;
}

// Opening: 0, 12, ..., 252 (the dialog stays at 252). Closing: 255, 243, ..., 3 (then the window goes).
constexpr FadeRamp kFadeInAlphas = MakeFadeRamp(0, 12);
constexpr FadeRamp kFadeOutAlphas = MakeFadeRamp(255, -12);

}  // namespace zep
