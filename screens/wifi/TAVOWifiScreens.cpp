#include "screens/wifi/TAVOWifiScreens.h"

void TAVOWifiScreens::registerAll() {}
