// Station totals (section "station_info" of the router status).
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterStaticInfo : public ns::Object {
public:
    static std::shared_ptr<TAVORouterStaticInfo> create() { return std::shared_ptr<TAVORouterStaticInfo>(new TAVORouterStaticInfo()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVORouterStaticInfo> initWithDictionary(const ns::Value& dictionary);

    std::string stat_client;
    std::string all_downspeed;
    std::string all_upspeed;
    int need_permit = 0;  // admission control for new devices; non-zero when on
    int suspicious_dev_cnt = 0;

    std::string className() const override { return "TAVORouterStaticInfo"; }
    std::string description() const override;

protected:
    TAVORouterStaticInfo() = default;
};
