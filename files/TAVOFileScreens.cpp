#include "files/TAVOFileScreens.h"

#include "files/TAVOFileBrowserViewController.h"
#include "widgets/TAVOScreenClassRegistry.h"

void TAVOFileScreens::registerAll() {
    // The main tab bar makes the file tab by this name.
    TAVOScreenClassRegistry::registerClass<TAVOFileBrowserViewController>("TAVOFileBrowserViewController");
}
