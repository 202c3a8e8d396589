#include "core/errors/TAVOAppJumper.h"

#include "platform/foundation/Singleton.h"

std::shared_ptr<TAVOAppJumper> TAVOAppJumper::jumper() { return ns::Singleton<TAVOAppJumper>::get(); }

// The pushes themselves need the screen stack of the interface layer.
void TAVOAppJumper::jumpToUpgradeRomPage() {}
void TAVOAppJumper::jumpToRemoteAccountPage() {}
void TAVOAppJumper::jumpToLocalAccountPage() {}
