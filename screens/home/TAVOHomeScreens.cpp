#include "screens/home/TAVOHomeScreens.h"

#include "screens/home/TAVORoutersListViewController.h"
#include "widgets/TAVOScreenClassRegistry.h"

void TAVOHomeScreens::registerAll() {
    TAVOScreenClassRegistry::registerClass<TAVORoutersListViewController>("TAVORoutersListViewController");
}
