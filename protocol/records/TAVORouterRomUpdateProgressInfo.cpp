#include "protocol/records/TAVORouterRomUpdateProgressInfo.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterRomUpdateProgressInfo> TAVORouterRomUpdateProgressInfo::initWithDic(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVORouterRomUpdateProgressInfo");
    record->status = R::integer(d, "status");
    record->progress = R::integer(d, "progress");
    return record;
}
