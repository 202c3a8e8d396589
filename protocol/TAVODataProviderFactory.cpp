#include "protocol/TAVODataProviderFactory.h"

#include "platform/foundation/Singleton.h"
#include "protocol/TAVOAccountSRInfosDataProvider.h"
#include "protocol/TAVOAppInfoProvider.h"
#include "protocol/TAVODeviceDataProvider.h"

std::shared_ptr<TAVODataProviderFactory> TAVODataProviderFactory::shareInstance() {
    return ns::Singleton<TAVODataProviderFactory>::get();
}

TAVODataProviderPtr TAVODataProviderFactory::getDataProviderById(int id) {
    if (auto existing = findExistingDataProvider(id)) return existing;
    TAVODataProviderPtr provider;
    switch (id) {
        case TAVODataProviderIdValue(TAVODataProviderId::Account):
            provider = TAVOAccountSRInfosDataProvider::create();
            break;
        case TAVODataProviderIdValue(TAVODataProviderId::Device): provider = TAVODeviceDataProvider::create(); break;
        case TAVODataProviderIdValue(TAVODataProviderId::AppInfo): provider = TAVOAppInfoProvider::create(); break;
        default: return nullptr;
    }
    dataProviders_[id] = provider;
    return provider;
}

TAVODataProviderPtr TAVODataProviderFactory::findExistingDataProvider(int id) const {
    auto it = dataProviders_.find(id);
    return it == dataProviders_.end() ? nullptr : it->second;
}
