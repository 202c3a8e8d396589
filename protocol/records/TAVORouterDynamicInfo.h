// Running counters (section "dynamic_info" of the router status). The router
// sends every value as text; the integer fields read its leading digits.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterDynamicInfo : public ns::Object {
public:
    static std::shared_ptr<TAVORouterDynamicInfo> create() { return std::shared_ptr<TAVORouterDynamicInfo>(new TAVORouterDynamicInfo()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVORouterDynamicInfo> initWithDictionary(const ns::Value& dictionary);

    std::string stat_last_optimize;
    std::string stat_intercept;
    std::string stat_anti_clean_ts;
    std::string stat_safetime;
    std::string stat_runtime;
    std::string stat_uptime;
    std::string stat_ram;
    std::string stat_cpu;
    int stat_breakdown = 0;
    int stat_privacy_protect = 0;
    int stat_anti_hacking = 0;
    int stat_anti_dnshacking = 0;
    int stat_anti_freeloader = 0;
    int stat_anti_heart_bleed = 0;
    int stat_anti_arp_attack = 0;

    std::string className() const override { return "TAVORouterDynamicInfo"; }
    std::string description() const override;

protected:
    TAVORouterDynamicInfo() = default;
};
