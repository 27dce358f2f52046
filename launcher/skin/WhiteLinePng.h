#pragma once

// The white line beside the description panel: a background window without a control dialog, which the
// user cannot drag.

#include "launcher/skin/PngDialog.h"

namespace zep {

class CWhiteLinePng : public CPngDialog {
public:
    BOOL OnInitDialog() override;
};

}  // namespace zep
