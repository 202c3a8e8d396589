// A diagnosis item of the channel check: the channel and how crowded it is.
#pragma once

#include "protocol/records/TAVODGBaseDiagnoseItem.h"

class TAVOChannelItem : public TAVODGBaseDiagnoseItem {
public:
    static std::shared_ptr<TAVOChannelItem> create() { return std::shared_ptr<TAVOChannelItem>(new TAVOChannelItem()); }
    static std::shared_ptr<TAVOChannelItem> initWithDictionary(const ns::Value& item) {
        auto record = create();
        record->readItem(item);
        return record;
    }
    int channelNum = 0;
    float dirtyPercent = 0;
    std::string itemName() const override;
    std::string className() const override { return "TAVOChannelItem"; }

protected:
    TAVOChannelItem() = default;
    void parse(const ns::Value& item) override;
};
