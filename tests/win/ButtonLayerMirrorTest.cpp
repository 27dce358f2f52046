// The button-layer mirror where the window manager refuses thumbnails (Wine answers E_NOTIMPL): nothing
// is mirrored, nothing fails, and the pair is untouched.
#include <windows.h>

#include <gtest/gtest.h>

#include "SkinWindowProbe.h"
#include "launcher/skin/ButtonLayerMirror.h"
#include "launcher/skin/CtrlDialog.h"

TEST(ButtonLayerMirrorTest, RefusedThumbnailIsSilent)
{
    zep::CCtrlDialog pair;
    probe::LoadAllBackgrounds(*pair.Background());
    ASSERT_TRUE(pair.CreatePair(IDD_ZEPHRA3_DIALOG));
    const RECT before = probe::WindowRect(pair);
    zep::CButtonLayerMirror mirror;
    for (const RECT& destination : {RECT{0, 215, 133, 815}, RECT{215, 0, 815, 133}})
        EXPECT_FALSE(mirror.Mirror(*pair.Background(), pair, destination)) << destination.left;
    const RECT after = probe::WindowRect(pair);
    EXPECT_TRUE(::EqualRect(&before, &after));
    EXPECT_TRUE(::IsWindowVisible(pair));
    pair.DestroyWindow();
}
