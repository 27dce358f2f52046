// Every picture of the skin catalogue decodes from the program's resources with its documented shape.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/GdiPlus.h"
#include "launcher/skin/SkinCatalogue.h"
#include "launcher/skin/SkinImage.h"

namespace zep {
namespace {

std::vector<int> CatalogueIds()
{
    std::vector<int> ids;
    for (int id = kFirstEdgePicture; id <= kLastEdgePicture; ++id)
        ids.push_back(id);
    for (int id = kFirstPanelPicture; id <= kLastPanelPicture; ++id)
        ids.push_back(id);
    return ids;
}

// Alpha of the pixel, read through GDI+.
BYTE AlphaAt(SkinImage& image, int x, int y)
{
    Gdiplus::ARGB argb = 0;
    gdip::GdipBitmapGetPixel(static_cast<GpBitmap*>(image.Native()), x, y, &argb);
    return static_cast<BYTE>(argb >> 24);
}

TEST(SkinImageTest, EveryCataloguePictureDecodesWithItsSizeFramesAndAlpha)
{
    const std::vector<int> ids = CatalogueIds();
    ASSERT_EQ(static_cast<size_t>(kSkinPictureCount), ids.size());
    ASSERT_EQ(87, kSkinPictureCount);
    for (int id : ids) {
        SCOPED_TRACE(id);
        SkinPictureShape shape;
        ASSERT_TRUE(FindSkinPicture(id, &shape));
        std::unique_ptr<SkinImage> image = SkinImage::LoadPngResource(static_cast<UINT>(id));
        ASSERT_TRUE(image);
        ASSERT_EQ(Gdiplus::Ok, image->LastStatus());
        EXPECT_EQ(static_cast<UINT>(shape.width), image->Width());
        EXPECT_EQ(static_cast<UINT>(shape.height), image->Height());
        EXPECT_EQ(0, shape.width % shape.frames) << "frames must divide the width";

        Gdiplus::PixelFormat format = 0;
        ASSERT_EQ(Gdiplus::Ok, gdip::GdipGetImagePixelFormat(image->Native(), &format));
        EXPECT_EQ(shape.alpha, (format & PixelFormatAlpha) != 0) << std::hex << format;

        // Pictures with alpha have transparent parts (the bar's rounded outer side, the line's
        // surroundings); the opaque ones have none.
        bool anyTransparent = false;
        for (int y = 0; y < shape.height && !anyTransparent; y += 3)
            for (int x = 0; x < shape.width && !anyTransparent; x += 3)
                anyTransparent = AlphaAt(*image, x, y) < 255;
        if (!shape.alpha)
            EXPECT_FALSE(anyTransparent);
    }
}

TEST(SkinImageTest, BarBackgroundsAreTransparentOnTheSideAwayFromTheScreenEdge)
{
    // Edge 0 (right): the screen side is x = 132, the open side x = 0; edge 2 (top): screen side y = 0.
    struct Case {
        int id;
        int screenX, screenY, openX, openY;
    };
    const Case cases[] = {
        {145, 132, 520, 0, 520}, {162, 0, 520, 132, 520}, {179, 520, 0, 520, 132}, {196, 520, 132, 520, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        auto image = SkinImage::LoadPngResource(static_cast<UINT>(c.id));
        ASSERT_TRUE(image && image->Native());
        EXPECT_GT(AlphaAt(*image, c.screenX, c.screenY), 128);
        EXPECT_LT(AlphaAt(*image, c.openX, c.openY), 128);
    }
}

TEST(SkinImageTest, AMissingPictureIsAnEmptyImageThatDrawsNothing)
{
    const long images = ResourceCounter::Live(ResourceKind::GdipImage);
    std::unique_ptr<SkinImage> image = SkinImage::LoadPngResource(999);
    ASSERT_TRUE(image);
    EXPECT_EQ(nullptr, image->Native());
    EXPECT_NE(Gdiplus::Ok, image->LastStatus());
    EXPECT_EQ(0u, image->Width());
    EXPECT_EQ(0u, image->Height());
    EXPECT_EQ(images, ResourceCounter::Live(ResourceKind::GdipImage));

    // Drawing it leaves the target untouched.
    GpBitmap* target = nullptr;
    ASSERT_EQ(Gdiplus::Ok, gdip::GdipCreateBitmapFromScan0(4, 4, 0, PixelFormat32bppARGB, nullptr, &target));
    UniqueGpImage owner(target);
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(Gdiplus::Ok, gdip::GdipGetImageGraphicsContext(target, &graphics));
    UniqueGpGraphics graphicsOwner(graphics);
    EXPECT_NE(Gdiplus::Ok, image->Draw(graphics, 0, 0, 4, 4, 0, 0, 4, 4));
    Gdiplus::ARGB pixel = 1;
    gdip::GdipBitmapGetPixel(target, 1, 1, &pixel);
    EXPECT_EQ(0u, pixel);
}

TEST(SkinImageTest, ImagesGiveBackTheirBitmapStreamAndMemory)
{
    const long images = ResourceCounter::Live(ResourceKind::GdipImage);
    const long memory = ResourceCounter::Live(ResourceKind::GlobalMemory);
    const long streams = ResourceCounter::Live(ResourceKind::ComObject);
    {
        auto a = SkinImage::LoadPngResource(149);
        auto b = SkinImage::LoadPngResource(300);
        EXPECT_EQ(images + 2, ResourceCounter::Live(ResourceKind::GdipImage));
        EXPECT_EQ(memory + 2, ResourceCounter::Live(ResourceKind::GlobalMemory));
        EXPECT_EQ(streams + 2, ResourceCounter::Live(ResourceKind::ComObject));
    }
    EXPECT_EQ(images, ResourceCounter::Live(ResourceKind::GdipImage));
    EXPECT_EQ(memory, ResourceCounter::Live(ResourceKind::GlobalMemory));
    EXPECT_EQ(streams, ResourceCounter::Live(ResourceKind::ComObject));
}

}  // namespace
}  // namespace zep
