// A diagnosis item of the LAN DNS check.
#pragma once

#include "protocol/records/TAVODGBaseDiagnoseItem.h"

class TAVODGLANDnsItem : public TAVODGBaseDiagnoseItem {
public:
    static std::shared_ptr<TAVODGLANDnsItem> create() { return std::shared_ptr<TAVODGLANDnsItem>(new TAVODGLANDnsItem()); }
    static std::shared_ptr<TAVODGLANDnsItem> initWithDictionary(const ns::Value& item) {
        auto record = create();
        record->readItem(item);
        return record;
    }
    std::string itemName() const override;
    std::string className() const override { return "TAVODGLANDnsItem"; }

protected:
    TAVODGLANDnsItem() = default;
};
