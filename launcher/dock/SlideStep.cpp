#include "launcher/dock/SlideStep.h"

namespace zep {
namespace {

// Pixels of the 133-pixel bar inside the work area when shown.
constexpr int kShownInside = 122;
constexpr int kStepPixels = 10;
constexpr int kFinalStretch = 20;

}  // namespace

bool ShownBarPosition(int edge, const WorkArea& workArea, int screenWidth, int screenHeight,
                      CoordinatePair* position) noexcept
{
    return BarPositionAgainstEdge(edge, workArea, kShownInside, screenWidth, screenHeight, position);
}

bool SlideStep(int code, CoordinatePair current, const WorkArea& workArea, int screenWidth, int screenHeight,
               SlideMove* move) noexcept
{
    if (!IsSlideCode(code))
        return false;
    const int edge = code / 10;
    const bool reveal = IsRevealCode(code);
    CoordinatePair targetPoint;
    if (reveal ? !ShownBarPosition(edge, workArea, screenWidth, screenHeight, &targetPoint)
               : !ParkedBarPosition(edge, screenWidth, screenHeight, &targetPoint))
        return false;

    // Hiding moves away from the screen: toward larger coordinates at the right and bottom edges.
    const bool alongX = edge == 0 || edge == 1;
    const bool increasing = (edge == 0 || edge == 3) != reveal;
    const int target = alongX ? targetPoint.x : targetPoint.y;
    const int p = alongX ? current.x : current.y;
    const int remaining = increasing ? target - p : p - target;
    const bool final = remaining <= kFinalStretch;
    const int next = final ? target : (increasing ? p + kStepPixels : p - kStepPixels);
    move->position = current;
    (alongX ? move->position.x : move->position.y) = next;
    move->final = final;
    return true;
}

}  // namespace zep
