#include "launcher/skin/WhiteLinePng.h"

namespace zep {

BOOL CWhiteLinePng::OnInitDialog()
{
    const BOOL result = CPngDialog::OnInitDialog();
    SetDragEnabled(false);
    return result;
}

}  // namespace zep
