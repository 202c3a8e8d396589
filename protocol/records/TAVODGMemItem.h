// A diagnosis item of the memory check.
#pragma once

#include "protocol/records/TAVODGBaseDiagnoseItem.h"

class TAVODGMemItem : public TAVODGBaseDiagnoseItem {
public:
    static std::shared_ptr<TAVODGMemItem> create() { return std::shared_ptr<TAVODGMemItem>(new TAVODGMemItem()); }
    static std::shared_ptr<TAVODGMemItem> initWithDictionary(const ns::Value& item) {
        auto record = create();
        record->readItem(item);
        return record;
    }
    int freeSpace = 0;
    int totalSpace = 0;
    std::string itemName() const override;
    std::string className() const override { return "TAVODGMemItem"; }

protected:
    TAVODGMemItem() = default;
    void parse(const ns::Value& item) override;
};
