#include "screens/safety/TAVOSafetyScreens.h"

void TAVOSafetyScreens::registerAll() {}
