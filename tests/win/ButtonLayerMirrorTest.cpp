// The button-layer mirror where the window manager refuses thumbnails (Wine answers E_NOTIMPL): nothing
// is mirrored, nothing fails, and the pair is untouched.
#include <windows.h>

#include <gtest/gtest.h>

#include "SkinWindowProbe.h"
#include "launcher/skin/ButtonLayerMirror.h"
#include "launcher/skin/CtrlDialog.h"

TEST(ButtonLayerMirrorTest, RefusedThumbnailIsSilent)
{
    probe::SetStoredDirection(0);
    zep::CCtrlDialog pair;
    ASSERT_TRUE(probe::LoadAllBackgrounds(*pair.m_pPngDlg));
    ASSERT_TRUE(pair.m_pPngDlg->Create(IDD_PNG_DIALOG, nullptr));
    ASSERT_TRUE(pair.Create(IDD_ZEPHRA3_DIALOG, *pair.m_pPngDlg));
    const RECT before = probe::WindowRect(pair);
    zep::CButtonLayerMirror mirror;
    for (int edge : {0, 2, 7})
        EXPECT_FALSE(mirror.Mirror(*pair.m_pPngDlg, pair, edge, pair.m_pPngDlg->m_sizeComposition)) << edge;
    const RECT after = probe::WindowRect(pair);
    EXPECT_TRUE(::EqualRect(&before, &after));
    EXPECT_TRUE(::IsWindowVisible(pair));
    pair.DestroyWindow();
}
