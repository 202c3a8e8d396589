#include "app/lib/KeelboxMain.h"

#include "app/lib/TAVOStartupServices.h"
#include "core/app/TAVOApplicationMain.h"
#include "platform/foundation/NotificationCenter.h"

int KeelboxMain(int argc, char** argv, const ns::Value& launchOptions) {
    // Shared objects are freed at exit in the reverse order of their making,
    // and many leave the default centre when freed: made first, it outlives
    // them all.
    ns::NotificationCenter::defaultCenter();
    TAVOStartupServices::registerAll();
    return TAVOApplicationMain(argc, argv, launchOptions);
}
