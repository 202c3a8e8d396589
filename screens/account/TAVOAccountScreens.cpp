#include "screens/account/TAVOAccountScreens.h"

#include "screens/account/TAVOArdoAccountLoginViewController.h"
#include "screens/account/TAVOBindRouterPswViewController.h"
#include "screens/account/TAVOGetWIFIHelpViewController.h"
#include "widgets/TAVOScreenClassRegistry.h"

void TAVOAccountScreens::registerAll() {
    TAVOScreenClassRegistry::registerClass<TAVOArdoAccountLoginViewController>("TAVOArdoAccountLoginViewController");
    TAVOScreenClassRegistry::registerClass<TAVOBindRouterPswViewController>("TAVOBindRouterPswViewController");
    TAVOScreenClassRegistry::registerClass<TAVOGetWIFIHelpViewController>("TAVOGetWIFIHelpViewController");
}
