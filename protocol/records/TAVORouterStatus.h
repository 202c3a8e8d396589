// One snapshot of the router (the status reply): eleven section records,
// each empty when its section was missing. A new aggregate is made for every
// reply; holders may write the read-write fields after a confirmed change.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"
#include "protocol/records/TAVORouterDynamicInfo.h"
#include "protocol/records/TAVORouterHardwareInfo.h"
#include "protocol/records/TAVORouterInternetStatus.h"
#include "protocol/records/TAVORouterLANConfig.h"
#include "protocol/records/TAVORouterLANStatus.h"
#include "protocol/records/TAVORouterNgConfig.h"
#include "protocol/records/TAVORouterSafeSwitch.h"
#include "protocol/records/TAVORouterStaticInfo.h"
#include "protocol/records/TAVORouterWANConfig.h"
#include "protocol/records/TAVORouterWANStatus.h"

class TAVORouterStatus : public ns::Object {
public:
    static std::shared_ptr<TAVORouterStatus> create() { return std::shared_ptr<TAVORouterStatus>(new TAVORouterStatus()); }
    // Reads the sections of a status payload in the router's order; throws
    // TAVOReplyShapeError when a section or value has the wrong kind.
    static std::shared_ptr<TAVORouterStatus> fromVData(const ns::Value& vdata);

    std::shared_ptr<TAVORouterHardwareInfo> hardwareInfo;
    std::shared_ptr<TAVORouterWANConfig> wanConfig;
    std::shared_ptr<TAVORouterWANStatus> wanStatus;
    std::shared_ptr<TAVORouterLANConfig> lanConfig;
    std::shared_ptr<TAVORouterLANStatus> lanStatus;
    std::shared_ptr<TAVORouterNgConfig> twoGConfig;
    std::shared_ptr<TAVORouterDynamicInfo> dynamicInfo;
    std::shared_ptr<TAVORouterStaticInfo> staticInfo;
    std::shared_ptr<TAVORouterNgConfig> fiveGConfig;
    std::shared_ptr<TAVORouterSafeSwitch> safeSwitch;
    std::shared_ptr<TAVORouterInternetStatus> internetStatus;

    // Protections that are off, plus one when admission control is off
    // (an empty station section counts as off): 0..7.
    int unopenedSafeItemCount() const;

    std::string className() const override { return "TAVORouterStatus"; }

protected:
    TAVORouterStatus() = default;
};

using TAVORouterStatusPtr = std::shared_ptr<TAVORouterStatus>;
