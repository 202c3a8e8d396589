#include "protocol/records/TAVOGetSafetyIndicatorsParser.h"

#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVORouterSafeIndicator.h"

namespace R = TAVOReplyReader;

bool TAVOGetSafetyIndicatorsParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) dataInfo = ns::Value(TAVORouterSafeIndicator::initWithDic(vdata));
    return true;
}
