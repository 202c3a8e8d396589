// The safety switches (section "safe_switch" of the router status); non-zero
// means the protection is on. Screens write a switch after changing it.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterSafeSwitch : public ns::Object {
public:
    static std::shared_ptr<TAVORouterSafeSwitch> create() { return std::shared_ptr<TAVORouterSafeSwitch>(new TAVORouterSafeSwitch()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVORouterSafeSwitch> initWithDictionary(const ns::Value& dictionary);

    int stat_urlcheck = 0;
    int stat_anti_stealer = 0;
    int stat_safe_dns = 0;
    int stat_anti_dns_cheat = 0;
    int stat_brute_attack_switch = 0;
    int stat_update_dev = 0;
    int stat_privacy_protect_switch = 0;
    int stat_heart_bleed_switch = 0;  // read from the counter's key
    int stat_arp_attack_switch = 0;
    int diff_ssid = 0;
    int visitor_auto_switch = 0;

    // How many of the six protections the safety screens count are off (0..6).
    int safeSwitchOffCount() const;

    std::string className() const override { return "TAVORouterSafeSwitch"; }
    std::string description() const override;

protected:
    TAVORouterSafeSwitch() = default;
};
