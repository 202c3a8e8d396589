// The entry point of numbered requests: reqData(number, param) answers a
// token at once (or 0 when refused) and the outcome reaches every observer
// later, on the main queue, as the notification "<base>_OK" (object: the
// result) or "<base>_NG" (object: the TAVOError), where <base> is the
// request class's row of the notification table.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"
#include "protocol/TAVORequestNumber.h"
#include "protocol/requests/TAVODataRequest.h"
#include "protocol/requests/TAVODataRequestDelegate.h"

class TAVODataProvider : public ns::Object, public TAVODataRequestDelegate {
public:
    // The refusals reqData posts as failures (type 3). kRefusedParam shares
    // its number with a facade's kTAVONothingSent, not its meaning.
    static constexpr int kRefusedParam = -99999;
    static constexpr int kRefusedStatus = -100000;
    static constexpr int kRefusedNotImplemented = -99998;

    static std::shared_ptr<TAVODataProvider> create() { return std::shared_ptr<TAVODataProvider>(new TAVODataProvider()); }

    // The token is how a caller cancels the request; a caller that only
    // listens for the answer says so with (void).
    [[nodiscard]] std::int32_t reqData(int no, const ns::Value& param);
    [[nodiscard]] std::int32_t reqData(TAVORequestNumber no, const ns::Value& param);
    virtual bool checkParam(int no, const ns::Value& param);
    virtual bool checkRequestStatus(int no, const ns::Value& param);
    // A token (>= 0; 0 when no request was made) or a negative refusal code.
    virtual std::int32_t execReq(int no, const ns::Value& param);

    void addReqQueue(const TAVODataRequestPtr& request);
    void removeReq(const TAVODataRequestPtr& request);
    static void addReqQueue(const TAVODataRequestPtr& request, std::vector<TAVODataRequestPtr>& queue);
    static void removeReq(const TAVODataRequestPtr& request, std::vector<TAVODataRequestPtr>& queue);
    static TAVODataRequestPtr findExecReqByToken(std::int32_t token, const std::vector<TAVODataRequestPtr>& queue);
    // Detaches the first request with this token in each list: its outcome
    // is never reported (the transfer itself runs on).
    void cancelReqData(std::int32_t token);
    // Empties both lists; running requests keep reporting here.
    void resetDataProvider();

    static std::string successfulNotificationName(const std::string& requestClassName);
    static std::string failedNotificationName(const std::string& requestClassName);
    // Posts now; with a request that has parameters the user info carries
    // {"param", "local"}.
    void notify(const std::string& name, const ns::Value& object, const TAVODataRequestPtr& request);

    void requestSucceedWithData(const TAVODataRequestPtr& request, const ns::Value& result) override;
    void requestFailedWithError(const TAVODataRequestPtr& request, const ns::ErrorPtr& error) override;
    void requestFailedWithTAVOError(const TAVODataRequestPtr& request, const TAVOErrorPtr& error) override;

    const std::vector<TAVODataRequestPtr>& cacheRequests() const { return cacheRequests_; }
    const std::vector<TAVODataRequestPtr>& remoteRequests() const { return remoteRequests_; }

    std::string className() const override { return "TAVODataProvider"; }

protected:
    TAVODataProvider() = default;
    // The delegate handle the provider gives its requests.
    std::shared_ptr<TAVODataRequestDelegate> delegateSelf();

private:
    std::vector<TAVODataRequestPtr> cacheRequests_;
    std::vector<TAVODataRequestPtr> remoteRequests_;
};

using TAVODataProviderPtr = std::shared_ptr<TAVODataProvider>;
