// A diagnosis item of the DNS speed check: one {"ip", "speed"} per "address:speed" text.
#pragma once

#include "protocol/records/TAVODGBaseDiagnoseItem.h"

class TAVODnsSpeenItem : public TAVODGBaseDiagnoseItem {
public:
    static std::shared_ptr<TAVODnsSpeenItem> create() { return std::shared_ptr<TAVODnsSpeenItem>(new TAVODnsSpeenItem()); }
    static std::shared_ptr<TAVODnsSpeenItem> initWithDictionary(const ns::Value& item) {
        auto record = create();
        record->readItem(item);
        return record;
    }
    ns::Value speeds;
    std::string itemName() const override;
    std::string className() const override { return "TAVODnsSpeenItem"; }

protected:
    TAVODnsSpeenItem() = default;
    void parse(const ns::Value& item) override;
};
