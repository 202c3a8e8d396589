// A diagnosis item of the iptables NAT check: its session count.
#pragma once

#include "protocol/records/TAVODGBaseDiagnoseItem.h"

class TAVOIpTableNatItem : public TAVODGBaseDiagnoseItem {
public:
    static std::shared_ptr<TAVOIpTableNatItem> create() { return std::shared_ptr<TAVOIpTableNatItem>(new TAVOIpTableNatItem()); }
    static std::shared_ptr<TAVOIpTableNatItem> initWithDictionary(const ns::Value& item) {
        auto record = create();
        record->readItem(item);
        return record;
    }
    int sessionAmount = 0;
    std::string itemName() const override;
    std::string className() const override { return "TAVOIpTableNatItem"; }

protected:
    TAVOIpTableNatItem() = default;
    void parse(const ns::Value& item) override;
};
