#include "protocol/records/TAVOChannelItem.h"

#include "core/app/TAVOLocalizedString.h"
#include "protocol/records/TAVOReplyReader.h"

std::string TAVOChannelItem::itemName() const { return TAVOLocalizedString("detect channel"); }

namespace R = TAVOReplyReader;

void TAVOChannelItem::parse(const ns::Value& item) {
    const ns::Value& data = R::lookup(item, "data");
    channelNum = R::integer(data, "channel");
    // Only the integer part of the figure survives.
    dirtyPercent = static_cast<float>(R::integer(data, "dirty"));
}
