#include "launcher/dock/PairFader.h"

#include "framework/UniqueResource.h"
#include "launcher/app/TimingProbe.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/PngDialog.h"

namespace zep {
namespace {

constexpr DWORD kFadeStepMs = 10;

}  // namespace

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
    ::SetLayeredWindowAttributes(dialog.GetSafeHwnd(), dialog.m_crKey, alpha, LWA_COLORKEY | LWA_ALPHA);
    if (dialog.m_pPngDlg)
        dialog.m_pPngDlg->UpdatePicture(alpha);
    if (companion)
        companion->UpdatePicture(alpha);
}

void CPairFader::FadeIn(CCtrlDialog& dialog, HWND reference)
{
    if (!IsSixteenBitDepth(ColourDepth(reference))) {
        Ramp(dialog, nullptr, kFadeInAlphas);
        return;
    }
    if (dialog.m_pPngDlg) {
        for (unsigned char alpha : kSixteenBitInAlphas)
            dialog.m_pPngDlg->UpdatePicture(alpha);
    }
}

void CPairFader::FadeOut(CCtrlDialog& dialog, HWND reference)
{
    if (!IsSixteenBitDepth(ColourDepth(reference))) {
        Ramp(dialog, nullptr, kFadeOutAlphas);
        return;
    }
    ::ShowWindow(dialog.GetSafeHwnd(), SW_HIDE);
    if (dialog.m_pPngDlg) {
        for (unsigned char alpha : kSixteenBitOutAlphas)
            dialog.m_pPngDlg->UpdatePicture(alpha);
    }
}

}  // namespace zep
