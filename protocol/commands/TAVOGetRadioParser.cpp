#include "protocol/commands/TAVOGetRadioParser.h"

#include "protocol/records/TAVOReplyShapeError.h"
#include "protocol/records/TAVORouterRadioPower.h"

ns::Value TAVOGetRadioParser::parseResult(const ns::Value& vdata) {
    ns::Array powers;
    powers.reserve(2);
    if (vdata.isNil()) return ns::Value(std::move(powers));
    // An empty dictionary is how some routers write an empty list.
    if (vdata.isDictionary() && vdata.asDictionary().empty()) return ns::Value(std::move(powers));
    if (!vdata.isArray()) throw TAVOReplyShapeError("radio power: vdata is not a list");
    for (const auto& element : vdata.asArray()) powers.push_back(ns::Value(TAVORouterRadioPower::initWithDictionary(element)));
    return ns::Value(std::move(powers));
}
