#include "protocol/records/TAVOAppUpdateInfo.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVOAppUpdateInfo> TAVOAppUpdateInfo::initWithDictionary(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVOAppUpdateInfo");
    record->verCode = R::integer(d, "version_code");
    record->verName = R::text(d, "version_name");
    record->verUrl = R::text(d, "url");
    record->verNotice = R::text(d, "notice");
    return record;
}

std::string TAVOAppUpdateInfo::description() const {
    return ns::format("version code = %i, name = %@, url = %@, info = %@", verCode, verName, verUrl, verNotice);
}
