#include "protocol/records/TAVOSafetyLogResultParser.h"

#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVOReplyShapeError.h"
#include "protocol/records/TAVOSafetyLog.h"

namespace R = TAVOReplyReader;

bool TAVOSafetyLogResultParser::parserVData(const ns::Value& vdata) {
    if (!vdata.isDictionary()) return true;
    ns::Array rows;
    const ns::Value& list = vdata["list"];
    if (!list.isNil() && !list.isArray()) throw TAVOReplyShapeError("\"list\" is not a list");
    if (list.isArray())
        for (const auto& element : list.asArray()) rows.push_back(ns::Value(TAVOSafetyLog::initWithDic(element)));
    dataInfo = ns::Value(std::move(rows));
    return true;
}
