#include "protocol/records/TAVOIpTableNatItem.h"

#include "core/app/TAVOLocalizedString.h"
#include "protocol/records/TAVOReplyReader.h"

std::string TAVOIpTableNatItem::itemName() const { return TAVOLocalizedString("detect ip table nat"); }

namespace R = TAVOReplyReader;

void TAVOIpTableNatItem::parse(const ns::Value& item) {
    const ns::Value& data = R::lookup(item, "data");
    sessionAmount = R::integer(data, "amount");
}
