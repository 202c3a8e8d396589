#include "widgets/TAVOWidgetsAppearance.h"

#include "widgets/TAVOGradientBgView.h"

void TAVOWidgetsAppearance::registerLaunchDefaults() {
    TAVOGradientBgView::registerAppearanceDefaults();
    // The circular progress view takes its looks here once its class exists:
    // background clear, border gray, progress white, track gray, done image
    // "safe_update_ic01", waiting image "safe_update_ic03".
}
