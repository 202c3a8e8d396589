// Tells the router service which phone to notify for which routers: registers
// the phone's push token for a list of router ids and clears the
// registration. A failed registration or clearing is sent again up to twice,
// 5 s apart, so one lost answer does not leave the phone unregistered (or
// still registered after sign-out). Answers are matched by name, so an answer
// to anyone's registration counts.
//
// Main thread only.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/services/TAVODeviceTokenUploading.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVODeviceTokenUploadEngine : public ns::Object, public TAVODeviceTokenUploading {
public:
    static constexpr int kRetries = 2;
    static constexpr double kRetryDelay = 5.0;

    // The one engine; it registers itself as the core's token uploader.
    static std::shared_ptr<TAVODeviceTokenUploadEngine> shareInstance();
    ~TAVODeviceTokenUploadEngine() override;

    void uploadDeviceTokenWithRouter(const std::vector<std::string>& routerIds) override;
    void clearDeviceToken();

    // The ids of the last registration joined with ",".
    const std::string& routerIds() const { return routerIds_; }
    int retryRegCount() const { return retryRegCount_; }
    int retryClearCount() const { return retryClearCount_; }

    std::string className() const override { return "TAVODeviceTokenUploadEngine"; }

private:
    TAVODeviceTokenUploadEngine() = default;
    void observeAnswers();
    void doRegDeviceToken();
    void doClearDeviceToken();
    void regAnswered(bool ok);
    void clearAnswered(bool ok);

    std::string routerIds_;
    int retryRegCount_ = 0;
    int retryClearCount_ = 0;
};
