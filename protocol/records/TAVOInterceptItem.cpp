#include "protocol/records/TAVOInterceptItem.h"

#include "core/app/TAVOLocalizedString.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVOInterceptItem> TAVOInterceptItem::initWithDictionary(const ns::Value& dictionary) {
    auto item = create();
    const ns::Value& d = R::requireObject(dictionary, "intercept item");
    item->desc = R::text(d, "desc");
    item->url = R::text(d, "url");
    item->time = R::text(d, "time");
    item->type = getTypeDesc(R::integer(d, "type"));
    return item;
}

std::string TAVOInterceptItem::getTypeDesc(int code) {
    switch (code) {
        case 1: return TAVOLocalizedString("trojan horse is plugged within this page");
        case 2: return TAVOLocalizedString("modify the first page url");
        case 3: return TAVOLocalizedString("scams url");
        case 4: return TAVOLocalizedString("malware download url");
        case 5: return TAVOLocalizedString("trojan download url");
        default: return TAVOLocalizedString("unknown error");
    }
}
