#include "protocol/records/TAVORouterQueryDeviceListParser.h"

#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVORouterJoiningDevicesList.h"

namespace R = TAVOReplyReader;

bool TAVORouterQueryDeviceListParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) dataInfo = ns::Value(TAVORouterJoiningDevicesList::initWithDictionary(vdata));
    return true;
}
