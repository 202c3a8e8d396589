#include "management/facade/TAVOGlobalRouterEvent.h"

#include "platform/foundation/DispatchQueue.h"

void TAVORaiseGlobalRouterEvent(int event) {
    dispatch::Queue::main()->sync([event] { TAVOAppEventHandler::shareInstance()->handleGlobalRouterEvent(event); });
}
