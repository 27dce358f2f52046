#include "launcher/dock/SlideStep.h"

namespace zep {
namespace {

// Pixels of the 133-pixel bar inside the work area when shown.
constexpr int kShownInside = 122;
constexpr int kStepPixels = 10;
constexpr int kFinalStretch = 20;

}  // namespace

CoordinatePair ShownBarPosition(DockEdge edge, const WorkArea& workArea, int screenWidth, int screenHeight) noexcept
{
    return BarPositionAgainstEdge(edge, workArea, kShownInside, screenWidth, screenHeight);
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
                    int screenHeight) noexcept
{
    const CoordinatePair targetPoint = slide.reveal ? ShownBarPosition(slide.edge, workArea, screenWidth, screenHeight)
                                                    : ParkedBarPosition(slide.edge, screenWidth, screenHeight);

    // Hiding moves away from the screen: toward larger coordinates at the right and bottom edges.
    const bool alongX = IsVertical(slide.edge);
    const bool increasing = IsFarEdge(slide.edge) != slide.reveal;
    const int target = alongX ? targetPoint.x : targetPoint.y;
    const int p = alongX ? current.x : current.y;
    const int remaining = increasing ? target - p : p - target;
    const bool final = remaining <= kFinalStretch;
    const int next = final ? target : (increasing ? p + kStepPixels : p - kStepPixels);
    SlideMove move{current, final};
    (alongX ? move.position.x : move.position.y) = next;
    return move;
}

}  // namespace zep
