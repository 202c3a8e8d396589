#include "protocol/records/TAVORouterInitCheckParser.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVORouterInitCheckParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) dataInfo = vdata["type"];
    return true;
}
