#include "protocol/records/TAVOSafetyLog.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVOSafetyLog> TAVOSafetyLog::initWithDic(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVOSafetyLog");
    record->desc = R::text(d, "desc");
    record->url = R::text(d, "url");
    record->time = R::text(d, "time");
    record->dnsIp = R::text(d, "dns_ip");
    record->srcIp = R::text(d, "src_ip");
    record->host = R::text(d, "host");
    record->ip = R::text(d, "ip");
    return record;
}
