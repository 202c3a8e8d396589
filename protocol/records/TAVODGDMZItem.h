// A diagnosis item of the DMZ check.
#pragma once

#include "protocol/records/TAVODGBaseDiagnoseItem.h"

class TAVODGDMZItem : public TAVODGBaseDiagnoseItem {
public:
    static std::shared_ptr<TAVODGDMZItem> create() { return std::shared_ptr<TAVODGDMZItem>(new TAVODGDMZItem()); }
    static std::shared_ptr<TAVODGDMZItem> initWithDictionary(const ns::Value& item) {
        auto record = create();
        record->readItem(item);
        return record;
    }
    std::string itemName() const override;
    std::string className() const override { return "TAVODGDMZItem"; }

protected:
    TAVODGDMZItem() = default;
};
