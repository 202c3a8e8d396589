#include "screens/home/TAVOHomeScreens.h"

void TAVOHomeScreens::registerAll() {}
