// Calling a method of an object once, after a delay, through a one-shot
// timer on the current run loop. The timer keeps the receiver (and the
// argument) alive until it fires; the call cannot be cancelled.
#pragma once

#include <functional>
#include <memory>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVODelaySelector {
public:
    // The method to call on the receiver; an empty one stands for a method
    // the receiver does not implement, and is never called.
    using Method = std::function<void(ns::Object& receiver, const ns::Value& argument)>;

    TAVODelaySelector() = delete;

    // Calls method(receiver, nil) after the delay.
    static void scheduleTimerWithSelector(const ns::ObjectPtr& receiver, Method method, double delay);
    // Calls method(receiver, argument) after the delay; a nil argument never calls it.
    static void scheduleTimerWithSelector(const ns::ObjectPtr& receiver, Method method, const ns::Value& argument,
                                          double delay);
};
