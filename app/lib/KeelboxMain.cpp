#include "app/lib/KeelboxMain.h"

#include "app/lib/TAVOStartupServices.h"
#include "core/app/TAVOApplicationMain.h"

int KeelboxMain(int argc, char** argv, const ns::Value& launchOptions) {
    TAVOStartupServices::registerAll();
    return TAVOApplicationMain(argc, argv, launchOptions);
}
