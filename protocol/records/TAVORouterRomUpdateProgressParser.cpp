#include "protocol/records/TAVORouterRomUpdateProgressParser.h"

#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVORouterRomUpdateProgressInfo.h"

namespace R = TAVOReplyReader;

bool TAVORouterRomUpdateProgressParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) dataInfo = ns::Value(TAVORouterRomUpdateProgressInfo::initWithDic(vdata));
    return true;
}
