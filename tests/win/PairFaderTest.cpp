// Fading a window pair: the dialog's alpha and its background's compositions follow the ramps.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "SkinWindowProbe.h"
#include "framework/TimingProbe.h"
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

long PictureCompositions()
{
    return static_cast<long>(zep::TimingProbe::Query(static_cast<WPARAM>(zep::TimedWork::PictureComposition), 0));
}

// A ramp draws each picture once: every step hands the system that one surface, its pixels those of an
// ordinary composition, with the step's constant alpha. Afterwards pictures are composed afresh again.
TEST(PairFaderTest, EachRampComposesEachPictureOnce)
{
    auto recording = std::make_unique<probe::RecordingPngDialog>();
    probe::RecordingPngDialog* background = recording.get();
    zep::CCtrlDialog pair(std::move(recording));
    probe::RecordingPngDialog line;
    ASSERT_TRUE(background->LoadPicture(300));
    ASSERT_TRUE(line.LoadPicture(317));
    ASSERT_TRUE(pair.CreatePair(IDD_DES_DIALOG));
    ASSERT_TRUE(line.Create(IDD_PNG_DIALOG));

    for (const bool in : {true, false}) {
        SCOPED_TRACE(in ? "in" : "out");
        for (probe::RecordingPngDialog* window : {background, &line}) {
            window->compositions.clear();
            window->UpdatePicture(255);
        }
        const long drawn = PictureCompositions();
        in ? zep::CPairFader::Ramp(pair, &line, zep::kFadeInAlphas) : zep::CPairFader::Ramp(pair, &line, zep::kFadeOutAlphas);
        EXPECT_EQ(drawn + 2, PictureCompositions());
        for (probe::RecordingPngDialog* window : {background, &line}) {
            ASSERT_EQ(23u, window->compositions.size());
            const probe::Composition& ordinary = window->compositions[0];
            for (size_t step = 1; step < window->compositions.size(); ++step) {
                const probe::Composition& c = window->compositions[step];
                EXPECT_EQ(in ? zep::kFadeInAlphas[step - 1] : zep::kFadeOutAlphas[step - 1], c.alpha) << step;
                EXPECT_EQ(window->compositions[1].memoryDc, c.memoryDc) << step;
                EXPECT_TRUE(ordinary.pixels == c.pixels) << step;
            }
        }
    }
    const long drawn = PictureCompositions();
    line.UpdatePicture(255);
    EXPECT_EQ(drawn + 1, PictureCompositions());
    line.DestroyWindow();
    pair.DestroyWindow();
}

}  // namespace
