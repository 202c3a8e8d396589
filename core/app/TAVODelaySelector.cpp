#include "core/app/TAVODelaySelector.h"

#include "platform/foundation/Timer.h"

void TAVODelaySelector::scheduleTimerWithSelector(const ns::ObjectPtr& receiver, Method method, double delay) {
    if (!receiver) return;
    ns::Timer::scheduledTimerWithTimeInterval(
        delay, receiver,
        [receiver, method](std::shared_ptr<ns::Timer>) {
            if (method) method(*receiver, ns::Value());
        },
        ns::Value(), false);
}

void TAVODelaySelector::scheduleTimerWithSelector(const ns::ObjectPtr& receiver, Method method,
                                                  const ns::Value& argument, double delay) {
    if (!receiver) return;
    ns::Timer::scheduledTimerWithTimeInterval(
        delay, receiver,
        [receiver, method, argument](std::shared_ptr<ns::Timer>) {
            if (method && !argument.isNil()) method(*receiver, argument);
        },
        ns::Value::dictionary({{"argument", argument}}), false);
}
