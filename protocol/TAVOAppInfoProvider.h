// Provider 2: the application-update check (61) and the feedback (62), both
// in the cloud. Keeps the running version and the newest one reported.
#pragma once

#include <memory>

#include "protocol/TAVODataProvider.h"
#include "protocol/records/TAVOAppUpdateInfo.h"

class TAVOAppInfoProvider : public TAVODataProvider {
public:
    static std::shared_ptr<TAVOAppInfoProvider> create();
    // Its own process-wide instance, distinct from the factory's provider 2.
    static std::shared_ptr<TAVOAppInfoProvider> shareInstance();
    // The bundle's "VersionCode" (0 when absent).
    static int currentAppVersionCode();

    std::int32_t execReq(int no, const ns::Value& param) override;
    void requestSucceedWithData(const TAVODataRequestPtr& request, const ns::Value& result) override;

    const std::shared_ptr<TAVOAppUpdateInfo>& currentAppVersionInfo() const { return currentAppVersionInfo_; }
    const std::shared_ptr<TAVOAppUpdateInfo>& nextAppVersionInfo() const { return nextAppVersionInfo_; }
    bool hasNewVersion() const { return nextAppVersionInfo_ && nextAppVersionInfo_->isNewer(currentAppVersionInfo_); }
    [[nodiscard]] std::int32_t sendFeedback(const ns::Value& param) { return reqData(TAVORequestNumber::AppFeedback, param); }
    bool shouldShowIntroduce() const { return false; }

    std::string className() const override { return "TAVOAppInfoProvider"; }

protected:
    TAVOAppInfoProvider() = default;

private:
    std::shared_ptr<TAVOAppUpdateInfo> currentAppVersionInfo_;
    std::shared_ptr<TAVOAppUpdateInfo> nextAppVersionInfo_;
};
