// A diagnosis item of the frame check.
#pragma once

#include "protocol/records/TAVODGBaseDiagnoseItem.h"

class TAVOFrameItem : public TAVODGBaseDiagnoseItem {
public:
    static std::shared_ptr<TAVOFrameItem> create() { return std::shared_ptr<TAVOFrameItem>(new TAVOFrameItem()); }
    static std::shared_ptr<TAVOFrameItem> initWithDictionary(const ns::Value& item) {
        auto record = create();
        record->readItem(item);
        return record;
    }
    std::string itemName() const override;
    std::string className() const override { return "TAVOFrameItem"; }

protected:
    TAVOFrameItem() = default;
};
