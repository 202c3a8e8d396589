#include "screens/account/TAVOAccountScreens.h"

void TAVOAccountScreens::registerAll() {}
