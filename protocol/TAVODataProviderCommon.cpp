#include "protocol/TAVODataProviderCommon.h"

#include "platform/foundation/Singleton.h"
#include "protocol/requests/TAVORequestCatalogue.h"

std::shared_ptr<TAVODataProviderCommon> TAVODataProviderCommon::shareInstance() {
    return ns::Singleton<TAVODataProviderCommon>::get();
}

std::shared_ptr<TAVODataProviderCommon> TAVODataProviderCommon::create() {
    auto common = std::shared_ptr<TAVODataProviderCommon>(new TAVODataProviderCommon());
    for (const auto& row : TAVORequestCatalogue::rows()) {
        common->dpNotifications_[row.className] = row.notificationBase;
        // The application-information provider's own classes have no number row.
        if (row.provider != TAVODataProviderId::AppInfo)
            common->requestIDMatchTabel_[TAVORequestNumberValue(row.number)] = row.className;
    }
    return common;
}

std::string TAVODataProviderCommon::classNameForRequest(int number) const {
    auto it = requestIDMatchTabel_.find(number);
    return it == requestIDMatchTabel_.end() ? std::string() : it->second;
}

std::string TAVODataProviderCommon::notificationBase(const std::string& className) const {
    auto it = dpNotifications_.find(className);
    return it == dpNotifications_.end() ? std::string() : it->second;
}
