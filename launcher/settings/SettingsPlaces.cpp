#include "launcher/settings/SettingsPlaces.h"

namespace zep {

CoordinatePair CentredSettingsPanel(int screenWidth, int screenHeight, DisplayScale scale) noexcept
{
    return CoordinatePair{(screenWidth - scale.Px(kSettingsPanelWidth)) / 2,
                          (screenHeight - scale.Px(kSettingsPanelHeight)) / 2};
}

CoordinatePair ScaledSettingButton(CoordinatePair configured, DisplayScale scale) noexcept
{
    return CoordinatePair{scale.Px(configured.x), scale.Px(configured.y)};
}

}  // namespace zep
