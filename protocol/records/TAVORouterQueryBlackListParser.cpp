#include "protocol/records/TAVORouterQueryBlackListParser.h"

#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVORouterBlackDevicesList.h"
#include "protocol/records/TAVORouterJoiningDevicesList.h"

namespace R = TAVOReplyReader;

bool TAVORouterQueryBlackListParser::parserVData(const ns::Value& vdata) {
    if (!vdata.isDictionary()) return true;
    auto list = TAVORouterBlackDevicesList::create();
    list->devicesList = TAVORouterJoiningDevicesList::devicesOf(vdata["list"], false);
    dataInfo = ns::Value(list);
    return true;
}
