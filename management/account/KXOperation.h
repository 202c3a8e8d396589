// The life of one account-service request: background work, and the
// completion called back on the thread that started the work.
//
// The target is held weakly: an operation whose target has gone completes
// without calling anything.
#pragma once

#include <atomic>
#include <functional>
#include <memory>

#include "platform/foundation/Error.h"
#include "platform/foundation/Object.h"

namespace ns {
class Thread;
}

// Error domains of the account-service client.
inline constexpr const char* kZARDomainNetwork = "ZAR domain network";
inline constexpr const char* kZARDomainParser = "ZAR domain parser";
inline constexpr const char* kZARDomainUserCenter = "ZAR domain user center";

class KXOperation : public ns::Object {
public:
    // Called with the target and the finished operation.
    using CompleteSelector = std::function<void(ns::Object& target, const std::shared_ptr<KXOperation>& operation)>;

    virtual void start() {}
    virtual void cancel() {}
    bool isCanceled() const { return canceled_; }

    void setTarget(std::weak_ptr<ns::Object> target) { target_ = std::move(target); }
    void setCompleteSelector(CompleteSelector selector) { completeSelector_ = std::move(selector); }
    // When set, background work runs on this thread instead of a fresh one.
    void setBackgroundThread(std::weak_ptr<ns::Thread> thread) { backgroundThread_ = std::move(thread); }
    std::shared_ptr<ns::Thread> callbackThread() const { return callbackThread_.lock(); }

    // A transport or parse failure; null on success.
    const ns::ErrorPtr& error() const { return error_; }

    // Records the calling thread as the callback thread, then runs `work` on
    // the background thread (or a new one).
    void performSelectorInBackground(std::function<void()> work);
    // Calls doCompleteOperation on the callback thread (at once when already
    // there).
    void completeOperation();
    // Calls the target, unless cancelled, the target has gone, or it was
    // already called for this run.
    void doCompleteOperation();

    std::string className() const override { return "KXOperation"; }

protected:
    std::atomic<bool> canceled_{false};
    ns::ErrorPtr error_;

private:
    std::weak_ptr<ns::Object> target_;
    CompleteSelector completeSelector_;
    std::weak_ptr<ns::Thread> callbackThread_;
    std::weak_ptr<ns::Thread> backgroundThread_;
    bool completed_ = false;
};
