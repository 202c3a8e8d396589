#include "protocol/TAVOAppInfoProvider.h"

#include "core/crypto/AppInfoUtility.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/Singleton.h"
#include "protocol/requests/catalogue/TAVOAppFeedbackRequest.h"
#include "protocol/requests/catalogue/TAVORemoteQueryAppUpdateRequest.h"

std::shared_ptr<TAVOAppInfoProvider> TAVOAppInfoProvider::create() {
    auto provider = std::shared_ptr<TAVOAppInfoProvider>(new TAVOAppInfoProvider());
    const std::string version = AppInfoUtility::currentBundleVersionString();
    provider->currentAppVersionInfo_ = TAVOAppUpdateInfo::initWithDictionary(
        ns::Value::dictionary({{"version_code", currentAppVersionCode()}, {"version_name", version}}));
    return provider;
}

std::shared_ptr<TAVOAppInfoProvider> TAVOAppInfoProvider::shareInstance() {
    return ns::Singleton<TAVOAppInfoProvider>::get([] { return create(); });
}

int TAVOAppInfoProvider::currentAppVersionCode() {
    return AppInfoUtility::currentVersionCode("VersionCode");
}

std::int32_t TAVOAppInfoProvider::execReq(int no, const ns::Value& param) {
    TAVORemoteHttpDataRequestPtr request;
    ns::Value sent = param;
    if (TAVORequestNumber{no} == TAVORequestNumber::RemoteQueryAppUpdate) {
        request = TAVORemoteQueryAppUpdateRequest::create();
        sent = ns::Value::dictionary({{"cur_version_code", ns::format("%d", currentAppVersionCode())}, {"app_id", "2"}});
    } else if (TAVORequestNumber{no} == TAVORequestNumber::AppFeedback) {
        request = TAVOAppFeedbackRequest::create();
    } else {
        return 0;
    }
    addReqQueue(request);
    request->startRequest(sent);
    return request->token();
}

void TAVOAppInfoProvider::requestSucceedWithData(const TAVODataRequestPtr& request, const ns::Value& result) {
    if (std::dynamic_pointer_cast<TAVORemoteQueryAppUpdateRequest>(request)) nextAppVersionInfo_ = result.as<TAVOAppUpdateInfo>();
    TAVODataProvider::requestSucceedWithData(request, result);
}
