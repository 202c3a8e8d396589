#include "screens/home/TAVOHomeScreens.h"

#include "screens/home/TAVOOperatorBreakdownView.h"
#include "screens/home/TAVORoutersListViewController.h"
#include "widgets/TAVOScreenClassRegistry.h"

void TAVOHomeScreens::registerAll() {
    TAVOOperatorBreakdownView::registerInterface();
    TAVOScreenClassRegistry::registerClass<TAVORoutersListViewController>("TAVORoutersListViewController");
}
