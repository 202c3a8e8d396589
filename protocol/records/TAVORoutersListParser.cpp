#include "protocol/records/TAVORoutersListParser.h"

#include "core/records/TAVORouterModel.h"
#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVOReplyShapeError.h"

namespace R = TAVOReplyReader;

bool TAVORoutersListParser::parserVData(const ns::Value& vdata) {
    if (!vdata.isDictionary()) return true;
    const ns::Value& list = vdata["list"];
    if (list.isNil() || (list.isArray() && list.count() == 0)) return true;
    if (!list.isArray()) throw TAVOReplyShapeError("\"list\" is not a list");
    ns::Array routers;
    for (const auto& element : list.asArray()) routers.push_back(ns::Value(TAVORouterModel::initWithDictionary(element)));
    dataInfo = ns::Value(std::move(routers));
    return true;
}
