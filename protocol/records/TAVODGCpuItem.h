// A diagnosis item of the CPU check: usage in percent.
#pragma once

#include "protocol/records/TAVODGBaseDiagnoseItem.h"

class TAVODGCpuItem : public TAVODGBaseDiagnoseItem {
public:
    static std::shared_ptr<TAVODGCpuItem> create() { return std::shared_ptr<TAVODGCpuItem>(new TAVODGCpuItem()); }
    static std::shared_ptr<TAVODGCpuItem> initWithDictionary(const ns::Value& item) {
        auto record = create();
        record->readItem(item);
        return record;
    }
    float usePercent = 0;
    std::string itemName() const override;
    std::string className() const override { return "TAVODGCpuItem"; }

protected:
    TAVODGCpuItem() = default;
    void parse(const ns::Value& item) override;
};
