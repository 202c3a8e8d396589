#include "protocol/records/TAVOWIFITime.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVOWIFITime> TAVOWIFITime::initWithDictionary(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVOWIFITime");
    record->openTime = R::lookup(d, "open");
    record->closeTime = R::lookup(d, "close");
    record->isOpenWork = R::lookup(d, "open_sw").boolValue();
    record->isCloseWork = R::lookup(d, "close_sw").boolValue();
    return record;
}

std::string TAVOWIFITime::description() const {
    return ns::format("open time = %@, close time = %@", openTime, closeTime);
}
