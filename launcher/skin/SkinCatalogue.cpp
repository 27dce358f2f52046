#include "launcher/skin/SkinCatalogue.h"

namespace zep {

bool FindSkinPicture(int id, SkinPictureShape* shape)
{
    if (id >= kFirstEdgePicture && id <= kLastEdgePicture) {
        const DockEdge edge = kAllDockEdges[(id - kFirstEdgePicture) / kEdgeSetSize];
        const int offset = (id - kFirstEdgePicture) % kEdgeSetSize;
        const bool vertical = IsVertical(edge);
        if (offset < 4)
            *shape = vertical ? SkinPictureShape{kVerticalBarWidth, kVerticalBarHeight, 1, true}
                             : SkinPictureShape{kVerticalBarHeight, kVerticalBarWidth, 1, true};
        else if (offset < 15)
            *shape = SkinPictureShape{144, 48, 3, true};
        else
            *shape = SkinPictureShape{81, 27, 3, true};
        return true;
    }
    if (id == 300) {
        *shape = SkinPictureShape{420, 175, 1, true};
    } else if (id >= 301 && id <= 304) {
        *shape = SkinPictureShape{225, 55, 3, false};
    } else if (id == 305) {
        *shape = SkinPictureShape{150, 25, 3, true};
    } else if (id >= 306 && id <= 315) {
        *shape = SkinPictureShape{225, 344, 1, true};
    } else if (id == 316) {
        *shape = SkinPictureShape{436, 344, 1, true};
    } else if (id == 317) {
        *shape = SkinPictureShape{17, 495, 1, true};
    } else if (id == 318) {
        *shape = SkinPictureShape{495, 17, 1, true};
    } else {
        return false;
    }
    return true;
}

}  // namespace zep
