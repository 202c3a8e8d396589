#include "protocol/records/TAVODGWANDnsItem.h"

#include "core/app/TAVOLocalizedString.h"
#include "protocol/records/TAVOReplyReader.h"

std::string TAVODGWANDnsItem::itemName() const { return TAVOLocalizedString("detect wan dns"); }

namespace R = TAVOReplyReader;

void TAVODGWANDnsItem::parse(const ns::Value& item) {
    const ns::Value& data = R::lookup(item, "data");
    maliciousDns = data;
}
