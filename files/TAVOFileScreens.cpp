#include "files/TAVOFileScreens.h"

void TAVOFileScreens::registerAll() {}
