#include "management/account/KXOperation.h"

#include "platform/foundation/Perform.h"
#include "platform/foundation/Thread.h"

void KXOperation::performSelectorInBackground(std::function<void()> work) {
    callbackThread_ = ns::Thread::currentThread();
    if (auto background = backgroundThread_.lock()) {
        ns::performOnThread(background, std::move(work), false);
    } else {
        ns::performInBackground(std::move(work));
    }
}

void KXOperation::completeOperation() {
    auto thread = callbackThread_.lock();
    if (!thread) return;  // the starting thread has gone: nobody to tell
    if (thread == ns::Thread::currentThread()) {
        doCompleteOperation();
        return;
    }
    auto self = this->self<KXOperation>();
    ns::performOnThread(thread, [self] { self->doCompleteOperation(); }, false);
}

void KXOperation::doCompleteOperation() {
    if (canceled_ || completed_) return;
    completed_ = true;
    auto target = target_.lock();
    if (target && completeSelector_) completeSelector_(*target, self<KXOperation>());
}
