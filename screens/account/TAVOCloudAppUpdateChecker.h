// The one-shot application-version check: asks the cloud (through the
// application-information provider) for the newest version of the
// application and tells its delegate whether it is newer than the running
// one. Every live checker hears every answer to that request, whoever
// started it; the owner drops the checker in either callback.
#pragma once

#include <cstdint>
#include <memory>

#include "core/services/TAVOAppUpdateChecker.h"
#include "platform/foundation/Object.h"

class TAVOCloudAppUpdateChecker : public ns::Object, public TAVOAppUpdateChecker {
public:
    // Registers for the answers at once.
    static std::shared_ptr<TAVOCloudAppUpdateChecker> create();

    void setDelegate(std::weak_ptr<TAVOAppUpdateCheckerDelegate> delegate) override { delegate_ = std::move(delegate); }
    // The request's token, or 0 when the provider refused it (its failure
    // answer then follows and reaches the delegate as an error).
    int checkAppUpdateInfo() override;

    std::string className() const override { return "TAVOAppUpdateChecker"; }

private:
    TAVOCloudAppUpdateChecker() = default;
    void requestAppVersionOK();
    void requestAppVersionNG(const ns::Value& error);

    std::weak_ptr<TAVOAppUpdateCheckerDelegate> delegate_;
};

// Makes the checkers that start-up and the event hub use.
class TAVOCloudAppUpdateCheckerMaker : public TAVOAppUpdateCheckerMaker {
public:
    std::shared_ptr<TAVOAppUpdateChecker> makeChecker() override { return TAVOCloudAppUpdateChecker::create(); }
};
