#pragma once

// The catalogue of skin pictures in the launcher's resources: which identifier is which picture, and the
// size and frame layout each must have. Pure logic: no Windows headers.

#include "launcher/config/DockButton.h"
#include "launcher/config/DockEdge.h"

namespace zep {

constexpr int kEdgeSetSize = 17;
constexpr int kFirstEdgePicture = 145;  // background with 0 sockets on the right edge
constexpr int kLastEdgePicture = 212;
constexpr int kFirstPanelPicture = 300;
constexpr int kLastPanelPicture = 318;
constexpr int kSkinPictureCount = (kLastEdgePicture - kFirstEdgePicture + 1) + (kLastPanelPicture - kFirstPanelPicture + 1);

constexpr int kVerticalBarWidth = 133;
constexpr int kVerticalBarHeight = 1040;

struct SkinPictureShape {
    int width;
    int height;
    int frames;   // 1, or 3 side by side
    bool alpha;   // 8-bit RGBA; false: opaque RGB
};

// First identifier of a dock edge's set of 17 pictures.
constexpr int EdgeSetBase(DockEdge edge) { return kFirstEdgePicture + kEdgeSetSize * EdgeIndex(edge); }

// The bar background of `edge` with `sockets` (0 to 3) button sockets in every band.
constexpr int BackgroundPictureId(DockEdge edge, int sockets) { return EdgeSetBase(edge) + sockets; }

// The three-frame picture of a dock button on `edge`.
constexpr int ButtonPictureId(DockEdge edge, DockButton button) { return EdgeSetBase(edge) + 4 + ButtonIndex(button); }

// Size and layout of a catalogue picture; false for an identifier outside the catalogue.
bool FindSkinPicture(int id, SkinPictureShape* shape);

}  // namespace zep
