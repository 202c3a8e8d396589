#include "protocol/records/TAVODGMemItem.h"

#include "core/app/TAVOLocalizedString.h"
#include "protocol/records/TAVOReplyReader.h"

std::string TAVODGMemItem::itemName() const { return TAVOLocalizedString("detect mem"); }

namespace R = TAVOReplyReader;

void TAVODGMemItem::parse(const ns::Value& item) {
    const ns::Value& data = R::lookup(item, "data");
    freeSpace = R::integer(data, "free");
    totalSpace = R::integer(data, "total");
}
