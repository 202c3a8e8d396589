// The Wi-Fi timer: when the radios go on and off, and whether each time is armed.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVOWIFITime : public ns::Object {
public:
    static std::shared_ptr<TAVOWIFITime> create() { return std::shared_ptr<TAVOWIFITime>(new TAVOWIFITime()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVOWIFITime> initWithDictionary(const ns::Value& dictionary);

    ns::Value openTime;  // taken unchanged
    ns::Value closeTime;  // taken unchanged
    bool isOpenWork = false;
    bool isCloseWork = false;

    std::string className() const override { return "TAVOWIFITime"; }
    std::string description() const override;

protected:
    TAVOWIFITime() = default;
};
