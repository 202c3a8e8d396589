#include "protocol/records/TAVORouterQueryStatusParser.h"

#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVORouterStatus.h"

namespace R = TAVOReplyReader;

bool TAVORouterQueryStatusParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) dataInfo = ns::Value(TAVORouterStatus::fromVData(vdata));
    return true;
}
