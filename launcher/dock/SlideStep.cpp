#include "launcher/dock/SlideStep.h"

namespace zep {
namespace {

// Pixels of the 133-pixel bar inside the work area when shown.
constexpr int kShownInside = 122;
constexpr int kStepPixels = 10;
constexpr int kFinalStretch = 20;

// The smallest 96-DPI distance d with S(d) >= `pixels`, for `pixels` > 0: S(d) >= p holds exactly when
// d >= (2p - 1) * 48 / dpi, so d is that quotient rounded up.
int GridDistanceAtLeast(int pixels, DisplayScale scale) noexcept
{
    const long long numerator = (2LL * pixels - 1) * (DisplayScale::kBaseDpi / 2);
    return static_cast<int>((numerator + scale.Dpi() - 1) / scale.Dpi());
}

}  // namespace

CoordinatePair ShownBarPosition(DockEdge edge, const WorkArea& workArea, int screenWidth, int screenHeight,
                                DisplayScale scale) noexcept
{
    return BarPositionAgainstEdge(edge, workArea, kShownInside, screenWidth, screenHeight, scale);
}

std::optional<Slide> SlideOfTimer(unsigned long long timerId) noexcept
{
    for (DockEdge edge : kAllDockEdges) {
        for (const Slide slide : {HideSlide(edge), RevealSlide(edge)}) {
            if (SlideTimerId(slide) == timerId)
                return slide;
        }
    }
    return std::nullopt;
}

SlideMove SlideStep(Slide slide, CoordinatePair current, const WorkArea& workArea, int screenWidth,
                    int screenHeight, DisplayScale scale) noexcept
{
    const CoordinatePair targetPoint = slide.reveal
                                           ? ShownBarPosition(slide.edge, workArea, screenWidth, screenHeight, scale)
                                           : ParkedBarPosition(slide.edge, screenWidth, screenHeight, scale);

    // Hiding moves away from the screen: toward larger coordinates at the right and bottom edges.
    const bool alongX = IsVertical(slide.edge);
    const bool increasing = IsFarEdge(slide.edge) != slide.reveal;
    const int target = alongX ? targetPoint.x : targetPoint.y;
    const int p = alongX ? current.x : current.y;
    const int remaining = increasing ? target - p : p - target;
    const bool final = remaining <= scale.Px(kFinalStretch);
    // At 96 DPI the next distance is remaining - 10.
    const int nextRemaining = final ? 0 : scale.Px(GridDistanceAtLeast(remaining, scale) - kStepPixels);
    const int next = increasing ? target - nextRemaining : target + nextRemaining;
    SlideMove move{current, final};
    (alongX ? move.position.x : move.position.y) = next;
    return move;
}

}  // namespace zep
