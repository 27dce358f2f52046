// Identifier arithmetic of the skin catalogue.
#include <gtest/gtest.h>

#include "launcher/skin/SkinCatalogue.h"

namespace zep {
namespace {

// The identifiers of each edge's set: backgrounds with 0 and 3 sockets, the first and the last button.
static_assert(EdgeSetBase(DockEdge::Right) == 145 && BackgroundPictureId(DockEdge::Right, 3) == 148 &&
                  ButtonPictureId(DockEdge::Right, DockButton::Tool0) == 149 &&
                  ButtonPictureId(DockEdge::Right, DockButton::Hide) == 161,
              "");
static_assert(EdgeSetBase(DockEdge::Left) == 162 && BackgroundPictureId(DockEdge::Left, 3) == 165 &&
                  ButtonPictureId(DockEdge::Left, DockButton::Tool0) == 166 &&
                  ButtonPictureId(DockEdge::Left, DockButton::Hide) == 178,
              "");
static_assert(EdgeSetBase(DockEdge::Top) == 179 && BackgroundPictureId(DockEdge::Top, 3) == 182 &&
                  ButtonPictureId(DockEdge::Top, DockButton::Tool0) == 183 &&
                  ButtonPictureId(DockEdge::Top, DockButton::Hide) == 195,
              "");
static_assert(EdgeSetBase(DockEdge::Bottom) == 196 && BackgroundPictureId(DockEdge::Bottom, 3) == 199 &&
                  ButtonPictureId(DockEdge::Bottom, DockButton::Tool0) == 200 &&
                  ButtonPictureId(DockEdge::Bottom, DockButton::Hide) == 212,
              "");

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
