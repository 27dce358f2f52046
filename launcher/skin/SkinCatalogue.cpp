#include "launcher/skin/SkinCatalogue.h"

namespace zep {

bool FindSkinPicture(int id, SkinPictureSpec* spec)
{
    if (id >= kFirstEdgePicture && id <= kLastEdgePicture) {
        const int edge = (id - kFirstEdgePicture) / kEdgeSetSize;
        const int offset = (id - kFirstEdgePicture) % kEdgeSetSize;
        const bool vertical = edge < 2;
        if (offset < 4)
            *spec = vertical ? SkinPictureSpec{kVerticalBarWidth, kVerticalBarHeight, 1, true}
                             : SkinPictureSpec{kVerticalBarHeight, kVerticalBarWidth, 1, true};
        else if (offset < 15)
            *spec = SkinPictureSpec{144, 48, 3, true};
        else
            *spec = SkinPictureSpec{81, 27, 3, true};
        return true;
    }
    if (id == 300) {
        *spec = SkinPictureSpec{420, 175, 1, true};
    } else if (id >= 301 && id <= 304) {
        *spec = SkinPictureSpec{225, 55, 3, false};
    } else if (id == 305) {
        *spec = SkinPictureSpec{150, 25, 3, true};
    } else if (id >= 306 && id <= 315) {
        *spec = SkinPictureSpec{225, 344, 1, true};
    } else if (id == 316) {
        *spec = SkinPictureSpec{436, 344, 1, true};
    } else if (id == 317) {
        *spec = SkinPictureSpec{17, 495, 1, true};
    } else if (id == 318) {
        *spec = SkinPictureSpec{495, 17, 1, true};
    } else {
        return false;
    }
    return true;
}

}  // namespace zep
