#include "protocol/records/TAVODGCpuItem.h"

#include "core/app/TAVOLocalizedString.h"
#include "protocol/records/TAVOReplyReader.h"

std::string TAVODGCpuItem::itemName() const { return TAVOLocalizedString("detect cpu usage"); }

namespace R = TAVOReplyReader;

void TAVODGCpuItem::parse(const ns::Value& item) {
    const ns::Value& data = R::lookup(item, "data");
    usePercent = static_cast<float>(R::lookup(data, "usage").doubleValue() * 100.0);
}
