#include "protocol/records/TAVORouterInternetStatus.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterInternetStatus> TAVORouterInternetStatus::initWithDictionary(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVORouterInternetStatus");
    record->isp = R::text(d, "isp");
    record->topSpeed = R::text(d, "max_speed");
    record->avgSpeed = R::text(d, "avg_speed");
    return record;
}

std::string TAVORouterInternetStatus::description() const {
    return ns::format("isp is %@, top speed = %@, avg speed = %@", isp, topSpeed, avgSpeed);
}
