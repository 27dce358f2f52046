#include "launcher/dock/SlideStep.h"

#include "launcher/skin/SkinCatalogue.h"

namespace zep {
namespace {

// Pixels of the 133-pixel bar inside the work area when shown, and outside it.
constexpr int kShownInside = 122;
constexpr int kShownOutside = kVerticalBarWidth - kShownInside;
constexpr int kStepPixels = 10;
constexpr int kFinalStretch = 20;

}  // namespace

bool ShownBarPosition(int edge, const WorkArea& workArea, int screenWidth, int screenHeight,
                      CoordinatePair* position) noexcept
{
    const int alongVertical = (screenHeight - kVerticalBarHeight) / 2;
    const int alongHorizontal = (screenWidth - kVerticalBarHeight) / 2;
    switch (edge) {
    case 0:
        *position = {workArea.right - kShownInside, alongVertical};
        return true;
    case 1:
        *position = {workArea.left - kShownOutside, alongVertical};
        return true;
    case 2:
        *position = {alongHorizontal, workArea.top - kShownOutside};
        return true;
    case 3:
        *position = {alongHorizontal, workArea.bottom - kShownInside};
        return true;
    default:
        return false;
    }
}

bool SlideStep(int code, CoordinatePair current, const WorkArea& workArea, int screenWidth, int screenHeight,
               SlideMove* move) noexcept
{
    bool alongX = true;
    bool increasing = true;
    int target = 0;
    switch (code) {
    case 0: alongX = true;  increasing = true;  target = screenWidth; break;
    case 1: alongX = true;  increasing = false; target = workArea.right - kShownInside; break;
    case 10: alongX = true; increasing = false; target = -kVerticalBarWidth; break;
    case 11: alongX = true; increasing = true;  target = workArea.left - kShownOutside; break;
    case 20: alongX = false; increasing = false; target = -kVerticalBarWidth; break;
    case 21: alongX = false; increasing = true;  target = workArea.top - kShownOutside; break;
    case 30: alongX = false; increasing = true;  target = screenHeight; break;
    case 31: alongX = false; increasing = false; target = workArea.bottom - kShownInside; break;
    default: return false;
    }
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
