#include "protocol/records/TAVORouterSafeIndicator.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterSafeIndicator> TAVORouterSafeIndicator::initWithDic(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVORouterSafeIndicator");
    record->err_pwd_num = R::integer(d, "error_passwd_num");
    record->anti_freeloader_num = R::integer(d, "anti_freeloader_num");
    return record;
}

std::string TAVORouterSafeIndicator::description() const {
    return ns::format("error pwd num = %d, anti free loader num = %d", err_pwd_num, anti_freeloader_num);
}
