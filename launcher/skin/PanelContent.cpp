#include "launcher/skin/PanelContent.h"

namespace zep {
namespace {

constexpr PanelTextColour C = PanelTextColour::LightCyan;
constexpr PanelTextColour W = PanelTextColour::White;

// Slots 0 to 10 (controls 1000 to 1010); the first string of each slot's row is its headline.
constexpr PanelContent kContent[] = {
    {7,
     {{400, {87, 59, 203, 119}, C}, {401, {21, 124, 206, 139}, C}, {402, {21, 139, 206, 199}, W},
      {403, {21, 199, 206, 214}, C}, {404, {21, 214, 206, 244}, W}, {405, {21, 244, 206, 259}, C},
      {406, {21, 259, 206, 319}, W}},
     0, {}},
    {3, {{407, {21, 124, 206, 154}, C}, {408, {21, 169, 206, 214}, W}, {409, {21, 229, 206, 304}, W}}, 0, {}},
    {4,
     {{410, {21, 124, 206, 154}, C}, {411, {21, 169, 206, 229}, W}, {412, {21, 229, 206, 274}, W},
      {413, {21, 274, 206, 319}, W}},
     0, {}},
    {3, {{414, {21, 124, 206, 154}, C}, {415, {21, 169, 206, 214}, W}, {416, {21, 229, 206, 274}, W}}, 0, {}},
    {3, {{417, {21, 124, 206, 154}, C}, {418, {21, 169, 206, 229}, W}, {419, {21, 244, 206, 304}, W}}, 0, {}},
    {5,
     {{420, {21, 124, 206, 154}, C}, {421, {21, 169, 206, 184}, C}, {422, {21, 184, 206, 244}, W},
      {423, {21, 259, 206, 274}, C}, {424, {21, 274, 206, 319}, W}},
     0, {}},
    {4,
     {{425, {21, 124, 206, 154}, C}, {426, {21, 169, 206, 199}, W}, {427, {21, 214, 206, 244}, W},
      {428, {21, 259, 206, 289}, W}},
     0, {}},
    {5,
     {{429, {21, 124, 206, 154}, C}, {430, {21, 169, 206, 184}, C}, {431, {21, 184, 206, 214}, W},
      {432, {21, 229, 206, 244}, C}, {433, {21, 244, 206, 304}, W}},
     0, {}},
    {3, {{434, {21, 124, 206, 154}, C}, {435, {21, 169, 206, 244}, W}, {436, {21, 259, 206, 289}, W}}, 0, {}},
    {3, {{437, {21, 124, 206, 169}, C}, {438, {21, 184, 206, 229}, W}, {439, {21, 244, 206, 274}, W}}, 0, {}},
    // The wide card: slot 9's card on the left, slot 8's on the right, an "OK" button under each.
    {6,
     {{437, {21, 124, 206, 169}, C}, {438, {21, 184, 206, 229}, W}, {439, {21, 244, 206, 274}, W},
      {434, {231, 124, 416, 154}, C}, {435, {231, 169, 416, 244}, W}, {436, {231, 259, 416, 289}, W}},
     2, {{kPanelLeftButton, 154, 298, 0}, {kPanelRightButton, 365, 298, 1}}},
};

}  // namespace

static_assert(sizeof(kContent) / sizeof(kContent[0]) == ButtonIndex(DockButton::Combined) + 1,
              "one card for every button from the first tool to the combined button");

PanelContent PanelContentFor(DockButton button, DisplayScale scale) noexcept
{
    if (!HasCard(button))
        return PanelContent{0, {}, 0, {}};
    PanelContent content = kContent[ButtonIndex(button)];
    for (int i = 0; i < content.textCount; ++i) {
        PanelRect& rect = content.texts[i].rect;
        rect = PanelRect{scale.Px(rect.left), scale.Px(rect.top), scale.Px(rect.right), scale.Px(rect.bottom)};
    }
    for (int i = 0; i < content.buttonCount; ++i) {
        content.buttons[i].x = scale.Px(content.buttons[i].x);
        content.buttons[i].y = scale.Px(content.buttons[i].y);
    }
    return content;
}

}  // namespace zep
