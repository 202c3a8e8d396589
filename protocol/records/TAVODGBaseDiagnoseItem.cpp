#include "protocol/records/TAVODGBaseDiagnoseItem.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVODGBaseDiagnoseItem> TAVODGBaseDiagnoseItem::initWithDictionary(const ns::Value& item) {
    auto record = create();
    record->readItem(item);
    return record;
}

void TAVODGBaseDiagnoseItem::readItem(const ns::Value& item) {
    state = R::integer(item, "r");
    parse(item);
}
