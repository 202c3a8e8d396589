// Makes and keeps the three providers: 0 account, 1 device, 2 application
// information. Any other id gives nothing.
#pragma once

#include <map>
#include <memory>

#include "platform/foundation/Object.h"
#include "protocol/TAVODataProvider.h"
#include "protocol/TAVODataProviderId.h"

class TAVODataProviderFactory : public ns::Object {
public:
    static std::shared_ptr<TAVODataProviderFactory> shareInstance();
    static std::shared_ptr<TAVODataProviderFactory> create() {
        return std::shared_ptr<TAVODataProviderFactory>(new TAVODataProviderFactory());
    }
    // The cached provider, made on the first call for its id.
    TAVODataProviderPtr getDataProviderById(int id);
    TAVODataProviderPtr getDataProviderById(TAVODataProviderId id) {
        return getDataProviderById(TAVODataProviderIdValue(id));
    }
    void removeDataProviderById(int id) { dataProviders_.erase(id); }
    TAVODataProviderPtr findExistingDataProvider(int id) const;

    std::string className() const override { return "TAVODataProviderFactory"; }

private:
    TAVODataProviderFactory() = default;
    std::map<int, TAVODataProviderPtr> dataProviders_;
};
