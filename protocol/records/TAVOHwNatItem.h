// A diagnosis item of the hardware NAT check: its session count.
#pragma once

#include "protocol/records/TAVODGBaseDiagnoseItem.h"

class TAVOHwNatItem : public TAVODGBaseDiagnoseItem {
public:
    static std::shared_ptr<TAVOHwNatItem> create() { return std::shared_ptr<TAVOHwNatItem>(new TAVOHwNatItem()); }
    static std::shared_ptr<TAVOHwNatItem> initWithDictionary(const ns::Value& item) {
        auto record = create();
        record->readItem(item);
        return record;
    }
    int sessionAmount = 0;
    std::string itemName() const override;
    std::string className() const override { return "TAVOHwNatItem"; }

protected:
    TAVOHwNatItem() = default;
    void parse(const ns::Value& item) override;
};
