// Entry point of the Win32 tests: common controls and GDI+ are started once for the whole run, as the
// launcher does at start-up.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/GdiPlus.h"
#include "TestProgramStart.h"

int main(int argc, char** argv)
{
    zep::test::AnnounceTestProgramStart();
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    zep::GdiplusSession gdiplus;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
