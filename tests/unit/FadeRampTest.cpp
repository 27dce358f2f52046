// The fade ramps, checked where they are made: at compile time.
#include "launcher/skin/FadeRamp.h"

namespace zep {
namespace {

template <std::size_t Steps>
constexpr bool EvenSteps(const AlphaRamp<Steps>& ramp, int delta)
{
    for (std::size_t i = 1; i < Steps; ++i) {
        if (ramp[i] - ramp[i - 1] != delta)
            return false;
    }
    return true;
}

// A dialog opens from 0 and stays at 252; it closes from 255 down to 3, then its window goes.
static_assert(kFadeInAlphas.size() == 22 && kFadeInAlphas.front() == 0 && kFadeInAlphas.back() == 252, "");
static_assert(kFadeOutAlphas.size() == 22 && kFadeOutAlphas.front() == 255 && kFadeOutAlphas.back() == 3, "");
static_assert(EvenSteps(kFadeInAlphas, 12) && EvenSteps(kFadeOutAlphas, -12), "");
// Without alpha ramps (16 bits per pixel) only the background is composed, in 32 steps of 8.
static_assert(kSixteenBitInAlphas.size() == 32 && kSixteenBitInAlphas.front() == 0 &&
                  kSixteenBitInAlphas.back() == 248 && EvenSteps(kSixteenBitInAlphas, 8),
              "");
static_assert(kSixteenBitOutAlphas.size() == 32 && kSixteenBitOutAlphas.front() == 255 &&
                  kSixteenBitOutAlphas.back() == 7 && EvenSteps(kSixteenBitOutAlphas, -8),
              "");

}  // namespace
}  // namespace zep
