// A diagnosis item of the access-point check.
#pragma once

#include "protocol/records/TAVODGBaseDiagnoseItem.h"

class TAVODGAPItem : public TAVODGBaseDiagnoseItem {
public:
    static std::shared_ptr<TAVODGAPItem> create() { return std::shared_ptr<TAVODGAPItem>(new TAVODGAPItem()); }
    static std::shared_ptr<TAVODGAPItem> initWithDictionary(const ns::Value& item) {
        auto record = create();
        record->readItem(item);
        return record;
    }
    std::string itemName() const override;
    std::string className() const override { return "TAVODGAPItem"; }

protected:
    TAVODGAPItem() = default;
};
