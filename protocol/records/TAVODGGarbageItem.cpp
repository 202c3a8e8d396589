#include "protocol/records/TAVODGGarbageItem.h"

#include "core/app/TAVOLocalizedString.h"
#include "protocol/records/TAVOReplyReader.h"

std::string TAVODGGarbageItem::itemName() const { return TAVOLocalizedString("detect garbage"); }

namespace R = TAVOReplyReader;

void TAVODGGarbageItem::parse(const ns::Value& item) {
    const ns::Value& data = R::lookup(item, "data");
    garbageSpace = R::integer(data, "garbage");
}
