// A diagnosis item of the garbage check.
#pragma once

#include "protocol/records/TAVODGBaseDiagnoseItem.h"

class TAVODGGarbageItem : public TAVODGBaseDiagnoseItem {
public:
    static std::shared_ptr<TAVODGGarbageItem> create() { return std::shared_ptr<TAVODGGarbageItem>(new TAVODGGarbageItem()); }
    static std::shared_ptr<TAVODGGarbageItem> initWithDictionary(const ns::Value& item) {
        auto record = create();
        record->readItem(item);
        return record;
    }
    int garbageSpace = 0;
    std::string itemName() const override;
    std::string className() const override { return "TAVODGGarbageItem"; }

protected:
    TAVODGGarbageItem() = default;
    void parse(const ns::Value& item) override;
};
