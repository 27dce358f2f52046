// Reading a picture's size from its PNG header.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "launcher/skin/PngHeader.h"
#include "launcher/skin/SkinCatalogue.h"

namespace zep {
namespace {

// The first 24 bytes of a PNG file: signature, IHDR length 13, "IHDR", width, height.
std::vector<unsigned char> Header(unsigned width, unsigned height)
{
    std::vector<unsigned char> bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (unsigned value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<unsigned char>(value >> shift));
    return bytes;
}

TEST(PngHeaderTest, SizesAndDamagedHeaders)
{
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        bool read;
        int width, height;
    };
    std::vector<unsigned char> otherChunk = Header(10, 20);
    otherChunk[12] = 'i';
    std::vector<unsigned char> longChunk = Header(10, 20);
    longChunk[11] = 14;
    std::vector<unsigned char> badSignature = Header(10, 20);
    badSignature[1] = 'p';
    std::vector<unsigned char> truncated = Header(10, 20);
    truncated.pop_back();
    const Case cases[] = {
        {"bar", Header(133, 1040), true, 133, 1040},
        {"largest", Header(65535, 1), true, 65535, 1},
        {"too wide", Header(65536, 1), false, 0, 0},
        {"negative as signed", Header(0x80000000u, 5), false, 0, 0},
        {"empty", Header(0, 5), false, 0, 0},
        {"other chunk first", otherChunk, false, 0, 0},
        {"header chunk of another length", longChunk, false, 0, 0},
        {"not a PNG", badSignature, false, 0, 0},
        {"cut short", truncated, false, 0, 0},
        {"nothing", {}, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PngSize size;
        EXPECT_EQ(c.read, ReadPngSize(c.bytes.data(), c.bytes.size(), &size));
        EXPECT_EQ(c.width, size.width);
        EXPECT_EQ(c.height, size.height);
    }
    PngSize size;
    EXPECT_FALSE(ReadPngSize(nullptr, 24, &size));
}

// Every picture the launcher ships declares the size the catalogue gives it.
TEST(PngHeaderTest, ShippedPicturesDeclareTheirCatalogueSizes)
{
    for (int id = kFirstEdgePicture; id <= kLastPanelPicture; ++id) {
        SkinPictureShape shape;
        if (!FindSkinPicture(id, &shape))
            continue;
        SCOPED_TRACE(id);
        std::ifstream file(std::string(ZEP_SOURCE_DIR "/launcher/res/png/") + std::to_string(id) + ".png",
                           std::ios::binary);
        const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        PngSize size;
        ASSERT_TRUE(ReadPngSize(bytes.data(), bytes.size(), &size));
        EXPECT_EQ(shape.width, size.width);
        EXPECT_EQ(shape.height, size.height);
    }
}

}  // namespace
}  // namespace zep
