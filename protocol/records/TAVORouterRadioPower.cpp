#include "protocol/records/TAVORouterRadioPower.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterRadioPower> TAVORouterRadioPower::initWithDictionary(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVORouterRadioPower");
    record->frequency = R::text(d, "freq");
    record->powerPercent = static_cast<float>(R::lookup(d, "power").doubleValue());
    return record;
}

std::string TAVORouterRadioPower::description() const {
    return ns::format("frequency = %@, power percent = %f", frequency, powerPercent);
}
