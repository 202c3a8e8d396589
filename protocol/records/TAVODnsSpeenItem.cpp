#include "protocol/records/TAVODnsSpeenItem.h"

#include "core/app/TAVOLocalizedString.h"
#include "protocol/records/TAVOReplyReader.h"

std::string TAVODnsSpeenItem::itemName() const { return TAVOLocalizedString("detect dns speed"); }

namespace R = TAVOReplyReader;

void TAVODnsSpeenItem::parse(const ns::Value& item) {
    const ns::Value& data = R::lookup(item, "data");
    if (data.count() == 0) return;
    ns::Array found;
    if (data.isArray()) {
        for (const auto& element : data.asArray()) {
            const std::string text = element.stringValue();
            const auto colon = text.find(':');
            // Exactly two parts: one colon.
            if (colon == std::string::npos || text.find(':', colon + 1) != std::string::npos) continue;
            found.push_back(ns::Value::dictionary({{"ip", text.substr(0, colon)}, {"speed", text.substr(colon + 1)}}));
        }
    }
    speeds = ns::Value(std::move(found));
}
