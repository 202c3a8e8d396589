#include "protocol/records/TAVORouterStaticInfo.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterStaticInfo> TAVORouterStaticInfo::initWithDictionary(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVORouterStaticInfo");
    record->stat_client = R::text(d, "stat_client");
    record->all_downspeed = R::text(d, "all_downspeed");
    record->all_upspeed = R::text(d, "all_upspeed");
    record->need_permit = R::intFromText(d, "need_permit");
    record->suspicious_dev_cnt = R::intFromText(d, "suspicious_dev_cnt");
    return record;
}

std::string TAVORouterStaticInfo::description() const {
    return ns::format("stat_client is %@, all_downspeed = %@, all_upspeed = %@, need_permit = %d, suspicious_dev_cnt = %d", stat_client, all_downspeed, all_upspeed, need_permit, suspicious_dev_cnt);
}
