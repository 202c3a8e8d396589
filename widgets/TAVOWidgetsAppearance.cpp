#include "widgets/TAVOWidgetsAppearance.h"

#include "widgets/TAVOCircleProgressView.h"
#include "widgets/TAVOGradientBgView.h"

void TAVOWidgetsAppearance::registerLaunchDefaults() {
    TAVOCircleProgressView::registerAppearanceDefaults();
    TAVOGradientBgView::registerAppearanceDefaults();
}
