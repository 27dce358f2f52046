// Identifier arithmetic of the skin catalogue.
#include <gtest/gtest.h>

#include "launcher/skin/SkinCatalogue.h"

namespace zep {
namespace {

TEST(SkinCatalogueTest, PictureIdentifiersPerEdge)
{
    struct Case {
        int edge;
        int base;
        int background0;
        int background3;
        int button1000;
        int button1012;
    };
    const Case cases[] = {
        {0, 145, 145, 148, 149, 161},
        {1, 162, 162, 165, 166, 178},
        {2, 179, 179, 182, 183, 195},
        {3, 196, 196, 199, 200, 212},
        {4, -1, -1, -1, -1, -1},
        {-1, -1, -1, -1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edge);
        EXPECT_EQ(c.base, EdgeSetBase(c.edge));
        EXPECT_EQ(c.background0, BackgroundPictureId(c.edge, 0));
        EXPECT_EQ(c.background3, BackgroundPictureId(c.edge, 3));
        EXPECT_EQ(c.button1000, ButtonPictureId(c.edge, 1000));
        EXPECT_EQ(c.button1012, ButtonPictureId(c.edge, 1012));
    }
}

TEST(SkinCatalogueTest, ShapesOfThePictures)
{
    struct Case {
        int id;
        bool known;
        SkinPictureShape shape;
    };
    const Case cases[] = {
        {144, false, {}},
        {145, true, {133, 1040, 1, true}},
        {165, true, {133, 1040, 1, true}},
        {179, true, {1040, 133, 1, true}},
        {199, true, {1040, 133, 1, true}},
        {149, true, {144, 48, 3, true}},
        {159, true, {144, 48, 3, true}},   // 1010 on the right edge
        {160, true, {81, 27, 3, true}},    // settings
        {212, true, {81, 27, 3, true}},    // hide, bottom edge
        {213, false, {}},
        {299, false, {}},
        {300, true, {420, 175, 1, true}},
        {301, true, {225, 55, 3, false}},
        {304, true, {225, 55, 3, false}},
        {305, true, {150, 25, 3, true}},
        {306, true, {225, 344, 1, true}},
        {315, true, {225, 344, 1, true}},
        {316, true, {436, 344, 1, true}},
        {317, true, {17, 495, 1, true}},
        {318, true, {495, 17, 1, true}},
        {319, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        SkinPictureShape shape{};
        ASSERT_EQ(c.known, FindSkinPicture(c.id, &shape));
        if (!c.known)
            continue;
        EXPECT_EQ(c.shape.width, shape.width);
        EXPECT_EQ(c.shape.height, shape.height);
        EXPECT_EQ(c.shape.frames, shape.frames);
        EXPECT_EQ(c.shape.alpha, shape.alpha);
    }
}

}  // namespace
}  // namespace zep
