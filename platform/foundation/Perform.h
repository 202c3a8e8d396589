// Performing work later or elsewhere: delayed performs keyed by
// (target, name[, argument]) that can be cancelled, and performs on a given
// thread, on the main thread or in the background.
//
// A pending delayed perform keeps its target alive, as on the platform, and
// only cancelling (or running) releases it. Cancelling applies to the
// requests made from the calling thread's run loop.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Value.h"

namespace ns {

class Thread;

// Runs `action` on the current thread's run loop after `delay` seconds of
// ns::Clock time. `name` and `argument` identify the request for cancelling.
void performAfterDelay(ObjectPtr target, std::string name, double delay, std::function<void()> action,
                       Value argument = {}, RunLoopModes modes = {kDefaultRunLoopMode});
// Cancels every pending delayed perform of `target` made on this thread.
void cancelPreviousPerformRequests(const ObjectPtr& target);
// Cancels those whose name matches and whose argument is equal (nil matches
// nil only).
void cancelPreviousPerformRequests(const ObjectPtr& target, const std::string& name, const Value& argument = {});

// Runs `block` on `thread`'s run loop on a later turn. With waitUntilDone
// the caller blocks until it ran; when the caller is that thread the block
// runs at once.
void performOnThread(const std::shared_ptr<Thread>& thread, std::function<void()> block, bool waitUntilDone,
                     RunLoopModes modes = {kRunLoopCommonModes});
void performOnMainThread(std::function<void()> block, bool waitUntilDone,
                         RunLoopModes modes = {kRunLoopCommonModes});
// Runs `block` on a new thread.
void performInBackground(std::function<void()> block);

}  // namespace ns
