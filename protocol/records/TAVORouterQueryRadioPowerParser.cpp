#include "protocol/records/TAVORouterQueryRadioPowerParser.h"

#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVOReplyShapeError.h"
#include "protocol/records/TAVORouterRadioPower.h"

namespace R = TAVOReplyReader;

bool TAVORouterQueryRadioPowerParser::parserVData(const ns::Value& vdata) {
    ns::Array powers;
    if (vdata.isArray()) {
        for (const auto& element : vdata.asArray()) powers.push_back(ns::Value(TAVORouterRadioPower::initWithDictionary(element)));
    } else if (vdata.isDictionary()) {
        // Walking an object yields its keys, which are not band objects.
        if (vdata.count() != 0) throw TAVOReplyShapeError("radio power payload is an object");
    } else if (!vdata.isNil()) {
        throw TAVOReplyShapeError("radio power payload is neither a list nor an object");
    }
    dataInfo = ns::Value(std::move(powers));
    return true;
}
