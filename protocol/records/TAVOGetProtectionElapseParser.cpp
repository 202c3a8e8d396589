#include "protocol/records/TAVOGetProtectionElapseParser.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVOGetProtectionElapseParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) dataInfo = vdata["num"];
    return true;
}
