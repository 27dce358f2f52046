#include "launcher/skin/WhiteLinePng.h"

namespace zep {

BOOL CWhiteLinePng::OnInitDialog()
{
    const BOOL result = CPngDialog::OnInitDialog();
    m_bDragEnabled = false;
    return result;
}

}  // namespace zep
