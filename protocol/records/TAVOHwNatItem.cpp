#include "protocol/records/TAVOHwNatItem.h"

#include "core/app/TAVOLocalizedString.h"
#include "protocol/records/TAVOReplyReader.h"

std::string TAVOHwNatItem::itemName() const { return TAVOLocalizedString("detect hw nat"); }

namespace R = TAVOReplyReader;

void TAVOHwNatItem::parse(const ns::Value& item) {
    const ns::Value& data = R::lookup(item, "data");
    sessionAmount = R::integer(data, "amount");
}
