#include "protocol/records/TAVOQueryRomUpdateParser.h"

#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVORouterRomUpdataInfo.h"

namespace R = TAVOReplyReader;

bool TAVOQueryRomUpdateParser::parserVData(const ns::Value& vdata) {
    if (!vdata.isDictionary()) return false;
    dataInfo = ns::Value(TAVORouterRomUpdataInfo::initWithDictionary(vdata));
    return true;
}
