#include "protocol/records/TAVORouterJoiningDevicesList.h"

#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVOReplyShapeError.h"
#include "protocol/records/TAVORouterJoiningGuestDevice.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterJoiningDevicesList> TAVORouterJoiningDevicesList::initWithDictionary(const ns::Value& vdata) {
    auto list = create();
    if (vdata.isNil()) return list;
    const ns::Value& board = R::lookup(vdata, "boardinf");
    list->allSpeedDown = R::integer(board, "allspddown");
    list->allSpeedUp = R::integer(board, "allspdup");
    list->allFlowDown = R::integer(board, "allflowdown");
    list->allFlowUp = R::integer(board, "allflowup");
    list->speedupMac = R::text(vdata, "accelerate_mac");
    list->devicesList = devicesOf(R::lookup(vdata, "list"), false);
    return list;
}

ns::Value TAVORouterJoiningDevicesList::devicesOf(const ns::Value& list, bool guests) {
    if (list.isNil()) return {};
    if (!list.isArray()) throw TAVOReplyShapeError("\"list\" is not a list");
    if (list.count() == 0) return {};
    ns::Array devices;
    for (const auto& element : list.asArray()) {
        if (guests)
            devices.push_back(ns::Value(TAVORouterJoiningGuestDevice::initWithDictionary(element)));
        else
            devices.push_back(ns::Value(TAVORouterJoiningDevice::initWithDictionary(element)));
    }
    return ns::Value(std::move(devices));
}
