#include "widgets/TAVOWidgetsAppearance.h"

void TAVOWidgetsAppearance::registerLaunchDefaults() {
    // The circular progress view and the gradient background take their
    // looks here once their classes exist:
    //   TAVOCircleProgressView: background clear, border gray, progress
    //     white, track gray, done image "safe_update_ic01", waiting image
    //     "safe_update_ic03";
    //   TAVOGradientBgView: mask image "home_bg_light".
    // Each is one ui::Appearance::set<View>(property, setter) line.
}
