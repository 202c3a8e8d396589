#include "protocol/records/TAVORouterGetWIFITimeParser.h"

#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVOWIFITime.h"

namespace R = TAVOReplyReader;

bool TAVORouterGetWIFITimeParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) dataInfo = ns::Value(TAVOWIFITime::initWithDictionary(vdata));
    return true;
}
