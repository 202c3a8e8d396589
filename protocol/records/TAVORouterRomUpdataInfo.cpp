#include "protocol/records/TAVORouterRomUpdataInfo.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterRomUpdataInfo> TAVORouterRomUpdataInfo::initWithDictionary(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVORouterRomUpdataInfo");
    record->update_type = R::integer(d, "is_update");
    record->version = R::text(d, "version");
    record->verUri = R::text(d, "uri");
    record->verNotice = R::text(d, "notice");
    record->verMd5 = R::text(d, "md5");
    record->timeNum = R::lookup(d, "time");
    return record;
}

std::string TAVORouterRomUpdataInfo::description() const {
    return ns::format("update type = %i, version = %@, url = %@, info = %@", update_type, version, verUri, verNotice);
}
