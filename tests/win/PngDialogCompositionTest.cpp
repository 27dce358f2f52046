// Compositions of the background window: the bar background's bands come from the right pictures, the
// constant alpha and size reach the system, missing pictures draw nothing, and nothing leaks.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <numeric>
#include <vector>

#include "SkinWindowProbe.h"
#include "framework/ResourceCounter.h"
#include "launcher/skin/BarBands.h"
#include "launcher/skin/SkinCatalogue.h"
#include "launcher/skin/SkinImage.h"
#include "launcher/skin/WhiteLinePng.h"

namespace {

using probe::Composition;
using probe::RecordingPngDialog;

// A picture's pixels as the system wants them: premultiplied 0xAARRGGBB, top row first.
std::vector<std::uint32_t> PremultipliedPixels(UINT id, SIZE* size)
{
    std::vector<std::uint32_t> pixels;
    std::unique_ptr<zep::SkinImage> image = zep::SkinImage::LoadPngResource(id);
    if (!image || !image->Native())
        return pixels;
    size->cx = static_cast<LONG>(image->Width());
    size->cy = static_cast<LONG>(image->Height());
    Gdiplus::GpRect rect(0, 0, size->cx, size->cy);
    Gdiplus::BitmapData data{};
    auto* bitmap = static_cast<zep::GpBitmap*>(image->Native());
    if (zep::gdip::GdipBitmapLockBits(bitmap, &rect, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data) !=
        Gdiplus::Ok)
        return pixels;
    for (UINT y = 0; y < data.Height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const BYTE*>(data.Scan0) +
                                                                 static_cast<size_t>(y) * data.Stride);
        pixels.insert(pixels.end(), row, row + data.Width);
    }
    zep::gdip::GdipBitmapUnlockBits(bitmap, &data);
    return pixels;
}

bool Near(std::uint32_t a, std::uint32_t b)
{
    for (int shift = 0; shift < 32; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 2)
            return false;
    }
    return true;
}

// Counts the visible top-level windows of this thread other than `self`.
struct VisibleWindowFinder {
    HWND self;
    int others;
    static BOOL CALLBACK Count(HWND hwnd, LPARAM param)
    {
        auto* finder = reinterpret_cast<VisibleWindowFinder*>(param);
        if (hwnd != finder->self && ::IsWindowVisible(hwnd))
            ++finder->others;
        return TRUE;
    }
};

class PngDialogCompositionTest : public ::testing::Test {
protected:
    void SetUp() override { probe::SetStoredDirection(0); }
    void TearDown() override
    {
        if (m_window.GetSafeHwnd())
            m_window.DestroyWindow();
    }
    // Backgrounds loaded, window created (which composes once, invisibly), records cleared.
    void CreateBar()
    {
        probe::LoadAllBackgrounds(m_window);
        ASSERT_TRUE(m_window.Create(IDD_PNG_DIALOG, nullptr));
        m_window.compositions.clear();
    }

    RecordingPngDialog m_window;
};

// Every one of the sixteen backgrounds is loaded and decoded, and the bar sizes come from them: a bar
// composed of one variant alone is opaque somewhere and has its edge's size.
TEST_F(PngDialogCompositionTest, LoadEdgeImageSetsRecordsBothBarSizes)
{
    CreateBar();
    for (zep::DockEdge edge : zep::kAllDockEdges) {
        for (int sockets = 0; sockets < 4; ++sockets) {
            SCOPED_TRACE(::testing::Message() << "edge " << zep::EdgeIndex(edge) << " sockets " << sockets);
            m_window.compositions.clear();
            ASSERT_TRUE(m_window.UpdateEdgeBackground(edge, sockets, sockets, sockets, 255));
            ASSERT_EQ(1u, m_window.compositions.size());
            const Composition& composed = m_window.compositions[0];
            EXPECT_EQ(zep::IsVertical(edge) ? 133 : 1040, composed.size.cx);
            EXPECT_EQ(zep::IsVertical(edge) ? 1040 : 133, composed.size.cy);
            EXPECT_NE(composed.pixels.end(), std::find_if(composed.pixels.begin(), composed.pixels.end(),
                                                          [](std::uint32_t pixel) { return (pixel >> 24) == 255; }));
        }
    }
}

TEST_F(PngDialogCompositionTest, EachBandComesFromTheBackgroundWithItsGroupsSocketCount)
{
    struct Case {
        zep::DockEdge edge;
        int counts[3];
        UINT pictures[3];  // source of the first, second and third group band
    };
    const Case cases[] = {
        {zep::DockEdge::Left, {2, 0, 3}, {164, 162, 165}},
        {zep::DockEdge::Bottom, {1, 1, 1}, {197, 197, 197}},
        {zep::DockEdge::Top, {0, 0, 0}, {179, 179, 179}},
        {zep::DockEdge::Top, {3, 3, 3}, {182, 182, 182}},
        {zep::DockEdge::Right, {3, 2, 1}, {148, 147, 146}},
    };
    CreateBar();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "edge " << zep::EdgeIndex(c.edge));
        m_window.compositions.clear();
        ASSERT_TRUE(m_window.UpdateEdgeBackground(c.edge, c.counts[0], c.counts[1], c.counts[2], 255));
        ASSERT_EQ(1u, m_window.compositions.size());
        const Composition& composed = m_window.compositions[0];
        EXPECT_EQ(255, composed.alpha);
        const bool vertical = zep::IsVertical(c.edge);
        ASSERT_EQ(vertical ? 133 : 1040, composed.size.cx);
        ASSERT_EQ(vertical ? 1040 : 133, composed.size.cy);
        const RECT rect = probe::WindowRect(m_window);
        EXPECT_EQ(composed.size.cx, rect.right - rect.left);
        EXPECT_EQ(composed.size.cy, rect.bottom - rect.top);

        // All four variants of the edge, to tell which one each band matches.
        std::vector<std::uint32_t> variants[4];
        for (int k = 0; k < 4; ++k) {
            SIZE size{};
            variants[k] = PremultipliedPixels(static_cast<UINT>(zep::BackgroundPictureId(c.edge, k)), &size);
            ASSERT_EQ(composed.pixels.size(), variants[k].size());
        }
        for (const zep::BarBand& band : zep::BarBandsOf(c.edge)) {
            SCOPED_TRACE(::testing::Message() << "group " << band.group);
            const int expected = c.counts[band.group];
            ASSERT_EQ(static_cast<int>(c.pictures[band.group]), zep::BackgroundPictureId(c.edge, expected));
            int mismatches = 0;
            int distinguishing[4] = {0, 0, 0, 0};
            for (int y = band.y; y < band.y + band.height; ++y) {
                for (int x = band.x; x < band.x + band.width; ++x) {
                    const size_t i = static_cast<size_t>(y) * static_cast<size_t>(composed.size.cx) +
                                     static_cast<size_t>(x);
                    if (!Near(composed.pixels[i], variants[expected][i])) {
                        ++mismatches;
                        continue;
                    }
                    for (int k = 0; k < 4; ++k)
                        if (!Near(composed.pixels[i], variants[k][i]))
                            ++distinguishing[k];
                }
            }
            EXPECT_EQ(0, mismatches);
            // The sockets differ between the variants, so every other variant is ruled out somewhere.
            for (int k = 0; k < 4; ++k)
                if (k != expected)
                    EXPECT_GT(distinguishing[k], 20) << "variant " << k;
        }
    }
}

TEST_F(PngDialogCompositionTest, BadSocketCountsLeaveTheirBandTransparentAndTouchNoOtherSet)
{
    CreateBar();
    ASSERT_TRUE(m_window.UpdateEdgeBackground(zep::DockEdge::Bottom, 4, -1, 0, 255));
    ASSERT_EQ(1u, m_window.compositions.size());
    const Composition& composed = m_window.compositions[0];
    int opaqueInBadBands = 0;
    int opaqueInGoodBand = 0;
    for (const zep::BarBand& band : zep::BarBandsOf(zep::DockEdge::Bottom))
        for (int y = band.y; y < band.y + band.height; ++y)
            for (int x = band.x; x < band.x + band.width; ++x)
                if (composed.pixels[static_cast<size_t>(y * composed.size.cx + x)] >> 24)
                    ++(band.group == 2 ? opaqueInGoodBand : opaqueInBadBands);
    EXPECT_EQ(0, opaqueInBadBands);
    EXPECT_GT(opaqueInGoodBand, 0);
}

// A window composes itself invisibly while it is created: its single picture, or else the bar background
// of the edge its owner gave it, with no sockets.
TEST_F(PngDialogCompositionTest, CreationComposesInvisiblyOnTheEdgeItWasGiven)
{
    struct Case {
        int picture;  // 0: the bar backgrounds
        zep::DockEdge edge;
        LONG width;
        LONG height;
    };
    const Case cases[] = {
        {0, zep::DockEdge::Right, 133, 1040}, {0, zep::DockEdge::Left, 133, 1040}, {0, zep::DockEdge::Top, 1040, 133},
        {0, zep::DockEdge::Bottom, 1040, 133}, {318, zep::DockEdge::Right, 495, 17},
    };
    probe::SetStoredDirection(2);  // the registry says the top edge; the window does not ask it
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.picture << " edge " << zep::EdgeIndex(c.edge));
        RecordingPngDialog window;
        if (c.picture)
            ASSERT_TRUE(window.LoadPicture(static_cast<UINT>(c.picture)));
        else
            probe::LoadAllBackgrounds(window);
        window.SetBackgroundLayout(c.edge, 3, 3, 3);
        ASSERT_TRUE(window.Create(IDD_PNG_DIALOG, nullptr));
        EXPECT_EQ(TRUE, window.initResult);
        ASSERT_EQ(1u, window.compositions.size());
        EXPECT_EQ(0, window.compositions[0].alpha);
        EXPECT_EQ(c.width, window.compositions[0].size.cx);
        EXPECT_EQ(c.height, window.compositions[0].size.cy);
        EXPECT_TRUE(probe::IsLayered(window));
        window.DestroyWindow();
    }
}

TEST_F(PngDialogCompositionTest, AlphaZeroLeavesTheWindowPresentAndFullyTransparent)
{
    ASSERT_TRUE(m_window.LoadPicture(300));
    ASSERT_TRUE(m_window.Create(IDD_PNG_DIALOG, nullptr));
    m_window.compositions.clear();
    ASSERT_TRUE(m_window.UpdatePicture(255));
    ASSERT_TRUE(m_window.UpdatePicture(0));
    ASSERT_EQ(2u, m_window.compositions.size());
    const Composition& faded = m_window.compositions[1];
    EXPECT_EQ(0, faded.alpha);
    EXPECT_TRUE(::IsWindow(m_window));
    EXPECT_TRUE(::IsWindowVisible(m_window));
    EXPECT_TRUE(probe::IsLayered(m_window));
    // The picture is still composed; only the constant alpha hides it.
    EXPECT_EQ(m_window.compositions[0].pixels, faded.pixels);
    const RECT rect = probe::WindowRect(m_window);
    EXPECT_EQ(420, rect.right - rect.left);
    EXPECT_EQ(175, rect.bottom - rect.top);
}

TEST_F(PngDialogCompositionTest, SinglePictureIsCopiedOneToOne)
{
    ASSERT_TRUE(m_window.LoadPicture(317));
    EXPECT_EQ(17, m_window.CompositionSize().cx);
    EXPECT_EQ(495, m_window.CompositionSize().cy);
    ASSERT_TRUE(m_window.Create(IDD_PNG_DIALOG, nullptr));
    ASSERT_EQ(1u, m_window.compositions.size());
    SIZE size{};
    const std::vector<std::uint32_t> expected = PremultipliedPixels(317, &size);
    ASSERT_EQ(expected.size(), m_window.compositions[0].pixels.size());
    int mismatches = 0;
    for (size_t i = 0; i < expected.size(); ++i)
        mismatches += Near(expected[i], m_window.compositions[0].pixels[i]) ? 0 : 1;
    EXPECT_EQ(0, mismatches);
}

TEST_F(PngDialogCompositionTest, WithoutAnyPictureNothingIsComposedAndTheWindowIsNotLayered)
{
    ASSERT_TRUE(m_window.Create(IDD_PNG_DIALOG, nullptr));
    EXPECT_EQ(FALSE, m_window.initResult);
    EXPECT_FALSE(m_window.UpdatePicture(255));
    EXPECT_FALSE(m_window.UpdateEdgeBackground(zep::DockEdge::Right, 1, 1, 1, 255));
    m_window.Repaint();
    EXPECT_TRUE(m_window.compositions.empty());
    EXPECT_FALSE(probe::IsLayered(m_window));
}

TEST_F(PngDialogCompositionTest, UpdatePictureWithoutPictureLeavesABarWindowUntouched)
{
    CreateBar();
    EXPECT_FALSE(m_window.UpdatePicture(255));
    EXPECT_TRUE(m_window.compositions.empty());
}

TEST_F(PngDialogCompositionTest, MissingResourceGivesAnEmptyPictureAndNoErrorWindow)
{
    ASSERT_TRUE(m_window.LoadPicture(9999));
    EXPECT_EQ(0, m_window.CompositionSize().cx);
    EXPECT_EQ(0, m_window.CompositionSize().cy);
    ASSERT_TRUE(m_window.Create(IDD_PNG_DIALOG, nullptr));
    EXPECT_TRUE(m_window.UpdatePicture(255));  // the window has its single picture, an empty one
    EXPECT_TRUE(m_window.compositions.empty());

    // No message box or other window besides the test window itself.
    VisibleWindowFinder finder{m_window, 0};
    ::EnumThreadWindows(::GetCurrentThreadId(), &VisibleWindowFinder::Count, reinterpret_cast<LPARAM>(&finder));
    EXPECT_EQ(0, finder.others);
}

TEST_F(PngDialogCompositionTest, RepeatedCompositionsGiveBackEveryObject)
{
    const zep::ResourceKind kinds[] = {zep::ResourceKind::GdiObject, zep::ResourceKind::MemoryDc,
                                       zep::ResourceKind::WindowDc, zep::ResourceKind::GdipGraphics,
                                       zep::ResourceKind::GdipImage};
    CreateBar();
    m_window.keepPixels = false;
    long before[5];
    for (int i = 0; i < 5; ++i)
        before[i] = zep::ResourceCounter::Live(kinds[i]);
    for (int i = 0; i < 200; ++i)
        m_window.UpdateEdgeBackground(zep::kAllDockEdges[i % 4], i % 4, (i + 1) % 4, (i + 2) % 4, static_cast<BYTE>(i));
    ASSERT_EQ(200u, m_window.compositions.size());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(before[i], zep::ResourceCounter::Live(kinds[i])) << "kind " << i;
    // The memory contexts and DIB sections of the compositions no longer exist.
    for (const Composition& c : m_window.compositions) {
        EXPECT_EQ(0u, static_cast<unsigned>(::GetObjectType(c.memoryDc)));
        EXPECT_EQ(0u, static_cast<unsigned>(::GetObjectType(c.bitmap)));
    }
}

TEST_F(PngDialogCompositionTest, RepaintComposesAtFullOpacityAfterSystemEvents)
{
    struct Case {
        const char* what;
        UINT message;
        WPARAM wParam;
        bool repaints;
    };
    const Case cases[] = {
        {"resume from suspend", WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, true},
        {"automatic resume", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, true},
        {"suspend", WM_POWERBROADCAST, PBT_APMSUSPEND, false},
        {"console connect", WM_WTSSESSION_CHANGE, WTS_CONSOLE_CONNECT, true},
        {"console disconnect", WM_WTSSESSION_CHANGE, WTS_CONSOLE_DISCONNECT, false},
        {"lock", WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, false},
        {"setting change", WM_SETTINGCHANGE, 0, true},
        {"colour change", WM_SYSCOLORCHANGE, 0, true},
    };
    CreateBar();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Faded out on the horizontal bar, while the state asks for the vertical one.
        ASSERT_TRUE(m_window.UpdateEdgeBackground(zep::DockEdge::Top, 1, 1, 1, 0));
        m_window.SetBackgroundLayout(zep::DockEdge::Left, 1, 2, 3);
        m_window.compositions.clear();
        EXPECT_EQ(0, ::SendMessageW(m_window, c.message, c.wParam, 0));
        if (!c.repaints) {
            EXPECT_TRUE(m_window.compositions.empty());
            continue;
        }
        ASSERT_EQ(1u, m_window.compositions.size());
        EXPECT_EQ(255, m_window.compositions[0].alpha);
        EXPECT_EQ(133, m_window.compositions[0].size.cx);
        EXPECT_EQ(1040, m_window.compositions[0].size.cy);
    }
}

TEST_F(PngDialogCompositionTest, RepaintPrefersTheSinglePicture)
{
    probe::LoadAllBackgrounds(m_window);
    ASSERT_TRUE(m_window.LoadPicture(318));
    ASSERT_TRUE(m_window.Create(IDD_PNG_DIALOG, nullptr));
    ASSERT_TRUE(m_window.UpdatePicture(0));
    m_window.compositions.clear();
    ::SendMessageW(m_window, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    ASSERT_EQ(1u, m_window.compositions.size());
    EXPECT_EQ(255, m_window.compositions[0].alpha);
    EXPECT_EQ(495, m_window.compositions[0].size.cx);
    EXPECT_EQ(17, m_window.compositions[0].size.cy);
}

TEST_F(PngDialogCompositionTest, ColourChangeNudgeLeavesTheWindowWhereItWas)
{
    CreateBar();
    ::SetWindowPos(m_window, nullptr, -133, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(m_window, WM_SYSCOLORCHANGE, 0, 0);
    const RECT rect = probe::WindowRect(m_window);
    EXPECT_EQ(-133, rect.left);
    EXPECT_EQ(20, rect.top);
}

TEST_F(PngDialogCompositionTest, DestroyWindowDeletesEveryPicture)
{
    const long before = zep::ResourceCounter::Live(zep::ResourceKind::GdipImage);
    probe::LoadAllBackgrounds(m_window);
    ASSERT_TRUE(m_window.LoadPicture(300));
    EXPECT_LT(before, zep::ResourceCounter::Live(zep::ResourceKind::GdipImage));
    ASSERT_TRUE(m_window.Create(IDD_PNG_DIALOG, nullptr));
    for (zep::DockEdge edge : zep::kAllDockEdges)
        ASSERT_TRUE(m_window.UpdateEdgeBackground(edge, 1, 2, 3, 255));
    HWND hwnd = m_window;
    EXPECT_TRUE(m_window.DestroyWindow());
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(before, zep::ResourceCounter::Live(zep::ResourceKind::GdipImage));
    EXPECT_FALSE(m_window.UpdatePicture(255));
    EXPECT_FALSE(m_window.UpdateEdgeBackground(zep::DockEdge::Right, 1, 2, 3, 255));
}

// The bar as GDI+ draws it: each band copied 1:1 (nearest neighbour on pixel centres) into a 32-bit ARGB
// bitmap, which is then drawn onto the layered surface.
std::vector<std::uint32_t> DrawnBar(zep::DockEdge edge, const int (&counts)[3])
{
    const SIZE size = zep::IsVertical(edge) ? SIZE{133, 1040} : SIZE{1040, 133};
    zep::LayeredSurface surface(nullptr, size);
    zep::UniqueGpImage intermediate;
    zep::GpBitmap* bitmap = nullptr;
    zep::gdip::GdipCreateBitmapFromScan0(size.cx, size.cy, 0, PixelFormat32bppARGB, nullptr, &bitmap);
    intermediate.reset(bitmap);
    {
        zep::UniqueGpGraphics graphics;
        zep::gdip::GdipGetImageGraphicsContext(bitmap, graphics.put());
        zep::gdip::GdipSetInterpolationMode(graphics.get(), Gdiplus::InterpolationModeNearestNeighbor);
        zep::gdip::GdipSetPixelOffsetMode(graphics.get(), Gdiplus::PixelOffsetModeHalf);
        for (const zep::BarBand& band : zep::BarBandsOf(edge)) {
            const auto picture =
                zep::SkinImage::LoadPngResource(static_cast<UINT>(zep::BackgroundPictureId(edge, counts[band.group])));
            picture->Draw(graphics.get(), band.x, band.y, band.width, band.height, band.x, band.y, band.width,
                          band.height);
        }
    }
    zep::gdip::GdipDrawImageRectI(surface.Graphics(), bitmap, 0, 0, size.cx, size.cy);
    return surface.ReadPixels();
}

// Whatever rasteriser composes the bar, it hands the system the very pixels of the GDI+ drawing.
TEST_F(PngDialogCompositionTest, BarPixelsAreThoseOfTheGdiPlusDrawing)
{
    const int layouts[][3] = {{0, 0, 0}, {1, 2, 3}, {3, 0, 2}};
    CreateBar();
    for (zep::DockEdge edge : zep::kAllDockEdges) {
        for (const auto& counts : layouts) {
            SCOPED_TRACE(::testing::Message() << "edge " << zep::EdgeIndex(edge) << " counts " << counts[0]
                                              << counts[1] << counts[2]);
            m_window.compositions.clear();
            ASSERT_TRUE(m_window.UpdateEdgeBackground(edge, counts[0], counts[1], counts[2], 255));
            ASSERT_EQ(1u, m_window.compositions.size());
            const std::vector<std::uint32_t> drawn = DrawnBar(edge, counts);
            const std::vector<std::uint32_t>& composed = m_window.compositions[0].pixels;
            ASSERT_EQ(drawn.size(), composed.size());
            EXPECT_EQ(0, std::inner_product(drawn.begin(), drawn.end(), composed.begin(), 0, std::plus<>(),
                                            [](std::uint32_t a, std::uint32_t b) { return a != b ? 1 : 0; }));
        }
    }
}

}  // namespace
