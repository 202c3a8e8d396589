#include "protocol/records/TAVOAppQueryAppUpdateParser.h"

#include "protocol/records/TAVOAppUpdateInfo.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVOAppQueryAppUpdateParser::parserVData(const ns::Value& vdata) {
    if (!vdata.isDictionary()) return false;
    dataInfo = ns::Value(TAVOAppUpdateInfo::initWithDictionary(vdata));
    return true;
}
