#include "protocol/records/TAVORouterGuestListParser.h"

#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVORouterJoiningDevicesList.h"

namespace R = TAVOReplyReader;

bool TAVORouterGuestListParser::parserVData(const ns::Value& vdata) {
    if (!vdata.isDictionary()) return true;
    auto list = TAVORouterJoiningDevicesList::initWithDictionary(ns::Value());
    list->devicesList = TAVORouterJoiningDevicesList::devicesOf(vdata["list"], true);
    dataInfo = ns::Value(list);
    return true;
}
