// One check item of a diagnosis or repair reply: its result code ("r").
// 0 means the check found nothing to fix, or the repair succeeded.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVODGBaseDiagnoseItem : public ns::Object {
public:
    static std::shared_ptr<TAVODGBaseDiagnoseItem> create() {
        return std::shared_ptr<TAVODGBaseDiagnoseItem>(new TAVODGBaseDiagnoseItem());
    }
    // Sets state from "r" (nil gives an item with state 0), then parse().
    // Throws TAVOReplyShapeError when the item is not an object.
    static std::shared_ptr<TAVODGBaseDiagnoseItem> initWithDictionary(const ns::Value& item);

    int optId = 0;
    int state = 0;
    std::string statusDesciption;  // always empty

    virtual std::string itemName() const { return ""; }
    std::string className() const override { return "TAVODGBaseDiagnoseItem"; }

protected:
    TAVODGBaseDiagnoseItem() = default;
    void readItem(const ns::Value& item);
    // The readings of one kind of check, from the item's "data".
    virtual void parse(const ns::Value&) {}
};

using TAVODGBaseDiagnoseItemPtr = std::shared_ptr<TAVODGBaseDiagnoseItem>;
