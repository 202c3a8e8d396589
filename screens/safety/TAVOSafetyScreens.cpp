#include "screens/safety/TAVOSafetyScreens.h"

#include "screens/safety/TAVOSafeProtectionViewController.h"
#include "widgets/TAVOScreenClassRegistry.h"

void TAVOSafetyScreens::registerAll() {
    // The main tab bar makes the protection tab by name.
    TAVOScreenClassRegistry::registerClass<TAVOSafeProtectionViewController>("TAVOSafeProtectionViewController");
}
