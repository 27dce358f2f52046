#pragma once

// The constant-alpha ramps with which a dialog pair appears and disappears. Pure logic: no Windows headers.

#include <array>
#include <cstddef>

namespace zep {

template <std::size_t Steps>
using AlphaRamp = std::array<unsigned char, Steps>;

// A ramp of `Steps` values from `first`, `delta` apart.
template <std::size_t Steps>
constexpr AlphaRamp<Steps> MakeAlphaRamp(int first, int delta)
{
    AlphaRamp<Steps> ramp{};
    for (std::size_t i = 0; i < Steps; ++i)
        ramp[i] = static_cast<unsigned char>(first + static_cast<int>(i) * delta);
    return ramp;
}

// Opening: 0, 12, ..., 252 (the dialog stays at 252). Closing: 255, 243, ..., 3 (then the window goes).
// Each step waits 10 ms first.
constexpr auto kFadeInAlphas = MakeAlphaRamp<22>(0, 12);
constexpr auto kFadeOutAlphas = MakeAlphaRamp<22>(255, -12);

// At 16 bits per pixel a dialog's layered alpha is left alone and only its background window is composed,
// without pauses: 0, 8, ..., 248 when opening, 255, 247, ..., 7 when closing.
constexpr auto kSixteenBitInAlphas = MakeAlphaRamp<32>(0, 8);
constexpr auto kSixteenBitOutAlphas = MakeAlphaRamp<32>(255, -8);

constexpr bool IsSixteenBitDepth(int bitsPerPixel) { return bitsPerPixel == 16; }

}  // namespace zep
