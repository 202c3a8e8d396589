#include "management/facade/TAVOGlobalRouterEvent.h"

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NotificationCenter.h"

void TAVORaiseGlobalRouterEvent(int event) {
    dispatch::Queue::main()->sync([event] {
        ns::NotificationCenter::defaultCenter()->postNotificationName(kTAVOGlobalEventNotification, ns::Value(event));
    });
}
