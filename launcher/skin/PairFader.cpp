#include "launcher/skin/PairFader.h"

#include "framework/TimingProbe.h"
#include "framework/UniqueResource.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/PngDialog.h"

namespace zep {
namespace {

constexpr DWORD kFadeStepMs = 10;

}  // namespace

CPairFader::HeldPictures::HeldPictures(CCtrlDialog& dialog, CPngDialog* companion) noexcept
    : m_background(dialog.Background()), m_companion(companion)
{
    for (CPngDialog* window : {m_background, m_companion})
        if (window)
            window->HoldComposition();
}

CPairFader::HeldPictures::~HeldPictures()
{
    for (CPngDialog* window : {m_background, m_companion})
        if (window)
            window->ReleaseComposition();
}

int CPairFader::ColourDepth(HWND reference)
{
    const UniqueWindowDc windowDc(reference);
    if (!windowDc.get())
        return 0;
    // The memory context tells the depth drawing really works at, which a window context of a layered
    // window need not.
    const UniqueMemoryDc memoryDc(::CreateCompatibleDC(windowDc.get()));
    return memoryDc ? ::GetDeviceCaps(memoryDc.get(), BITSPIXEL) : 0;
}

void CPairFader::Step(CCtrlDialog& dialog, CPngDialog* companion, BYTE alpha)
{
    ::Sleep(kFadeStepMs);
    const TimingProbe probe(TimedWork::FadeFrame);
    dialog.SetLayerAlpha(alpha);
    if (CPngDialog* background = dialog.Background())
        background->UpdatePicture(alpha);
    if (companion)
        companion->UpdatePicture(alpha);
}

void CPairFader::FadeIn(CCtrlDialog& dialog, HWND reference)
{
    if (!IsSixteenBitDepth(ColourDepth(reference))) {
        Ramp(dialog, nullptr, kFadeInAlphas);
        return;
    }
    const HeldPictures held(dialog, nullptr);
    if (CPngDialog* background = dialog.Background()) {
        for (unsigned char alpha : kSixteenBitInAlphas)
            background->UpdatePicture(alpha);
    }
}

void CPairFader::FadeOut(CCtrlDialog& dialog, HWND reference)
{
    if (!IsSixteenBitDepth(ColourDepth(reference))) {
        Ramp(dialog, nullptr, kFadeOutAlphas);
        return;
    }
    ::ShowWindow(dialog.GetSafeHwnd(), SW_HIDE);
    const HeldPictures held(dialog, nullptr);
    if (CPngDialog* background = dialog.Background()) {
        for (unsigned char alpha : kSixteenBitOutAlphas)
            background->UpdatePicture(alpha);
    }
}

}  // namespace zep
