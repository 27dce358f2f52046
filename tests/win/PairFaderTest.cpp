// Fading a window pair: the dialog's alpha and its background's compositions follow the ramps.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "SkinWindowProbe.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/PairFader.h"

namespace {

TEST(PairFaderTest, PairFadesFollowTheRamps)
{
    auto recording = std::make_unique<probe::RecordingPngDialog>();
    probe::RecordingPngDialog* background = recording.get();
    zep::CCtrlDialog pair(std::move(recording));
    background->keepPixels = false;
    ASSERT_TRUE(background->LoadPicture(300));
    ASSERT_TRUE(pair.CreatePair(IDD_SETTING_DIALOG));
    ASSERT_EQ(32, zep::CPairFader::ColourDepth(pair));  // the test display has 24 bits per pixel

    for (const bool in : {true, false}) {
        background->compositions.clear();
        in ? zep::CPairFader::FadeIn(pair, pair) : zep::CPairFader::FadeOut(pair, pair);
        ASSERT_EQ(22u, background->compositions.size());
        EXPECT_EQ(in ? 0 : 255, background->compositions.front().alpha);
        EXPECT_EQ(in ? 252 : 3, background->compositions.back().alpha);
        BYTE alpha = 0;
        ASSERT_TRUE(::GetLayeredWindowAttributes(pair, nullptr, &alpha, nullptr));
        EXPECT_EQ(in ? 252 : 3, alpha);
    }
    pair.DestroyWindow();
}

}  // namespace
