#include "screens/account/TAVOCloudAppUpdateChecker.h"

#include "protocol/TAVOAppInfoProvider.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORemoteQueryAppUpdateRequest.h"

std::shared_ptr<TAVOCloudAppUpdateChecker> TAVOCloudAppUpdateChecker::create() {
    auto checker = std::shared_ptr<TAVOCloudAppUpdateChecker>(new TAVOCloudAppUpdateChecker());
    std::weak_ptr<TAVOCloudAppUpdateChecker> weak = checker;
    TAVORequestAnswers::listen<TAVORemoteQueryAppUpdateRequest>(
        checker,
        [weak](const ns::Value&, const ns::Dictionary&) {
            if (auto self = weak.lock()) self->requestAppVersionOK();
        },
        [weak](const TAVOErrorPtr& error, const ns::Dictionary&) {
            if (auto self = weak.lock()) self->requestAppVersionNG(error ? ns::Value(std::static_pointer_cast<ns::Object>(error)) : ns::Value());
        });
    return checker;
}

int TAVOCloudAppUpdateChecker::checkAppUpdateInfo() {
    // The provider builds the parameters itself.
    return TAVOAppInfoProvider::shareInstance()->reqData(TAVORequestNumber::RemoteQueryAppUpdate, ns::Value());
}

void TAVOCloudAppUpdateChecker::requestAppVersionOK() {
    // The comparison is the provider's: the stored answer against the
    // running version, not the notification's own object.
    auto provider = TAVOAppInfoProvider::shareInstance();
    std::optional<TAVOAppVersionInfo> result;
    if (provider->hasNewVersion()) {
        const auto& next = provider->nextAppVersionInfo();
        result = TAVOAppVersionInfo{next->verName, next->verNotice, next->verUrl};
    }
    if (auto delegate = delegate_.lock()) delegate->appCheckerResult(*this, result);
}

void TAVOCloudAppUpdateChecker::requestAppVersionNG(const ns::Value& error) {
    if (auto delegate = delegate_.lock()) delegate->appCheckerError(*this, error);
}
