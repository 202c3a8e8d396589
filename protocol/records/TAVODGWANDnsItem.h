// A diagnosis item of the WAN DNS check: the malicious DNS servers it found.
#pragma once

#include "protocol/records/TAVODGBaseDiagnoseItem.h"

class TAVODGWANDnsItem : public TAVODGBaseDiagnoseItem {
public:
    static std::shared_ptr<TAVODGWANDnsItem> create() { return std::shared_ptr<TAVODGWANDnsItem>(new TAVODGWANDnsItem()); }
    static std::shared_ptr<TAVODGWANDnsItem> initWithDictionary(const ns::Value& item) {
        auto record = create();
        record->readItem(item);
        return record;
    }
    ns::Value maliciousDns;
    std::string itemName() const override;
    std::string className() const override { return "TAVODGWANDnsItem"; }

protected:
    TAVODGWANDnsItem() = default;
    void parse(const ns::Value& item) override;
};
