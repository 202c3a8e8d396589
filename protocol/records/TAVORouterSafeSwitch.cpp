#include "protocol/records/TAVORouterSafeSwitch.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterSafeSwitch> TAVORouterSafeSwitch::initWithDictionary(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVORouterSafeSwitch");
    record->stat_urlcheck = R::intFromText(d, "stat_urlcheck");
    record->stat_anti_stealer = R::intFromText(d, "stat_anti_stealer");
    record->stat_safe_dns = R::intFromText(d, "stat_safe_dns");
    record->stat_anti_dns_cheat = R::intFromText(d, "stat_anti_dns_cheat");
    record->stat_brute_attack_switch = R::intFromText(d, "stat_brute_attack_switch");
    record->stat_update_dev = R::intFromText(d, "stat_update_dev");
    record->stat_privacy_protect_switch = R::intFromText(d, "stat_privacy_protect_switch");
    record->stat_heart_bleed_switch = R::intFromText(d, "stat_anti_heart_bleed");
    record->stat_arp_attack_switch = R::intFromText(d, "stat_arp_attack_switch");
    record->diff_ssid = R::intFromText(d, "diff_ssid");
    record->visitor_auto_switch = R::intFromText(d, "visitor_auto_switch");
    return record;
}

std::string TAVORouterSafeSwitch::description() const {
    return ns::format("stat_urlcheck is %d, stat_anti_stealer = %d, stat_safe_dns = %d, stat_anti_dns_cheat = %d, stat_brute_attack_switch = %d, stat_privacy_protect_switch = %d, stat_update_dev = %d, diff_ssid = %d, visitor_auto_switch = %d", stat_urlcheck, stat_anti_stealer, stat_safe_dns, stat_anti_dns_cheat, stat_brute_attack_switch, stat_privacy_protect_switch, stat_update_dev, diff_ssid, visitor_auto_switch);
}

int TAVORouterSafeSwitch::safeSwitchOffCount() const {
    int off = 0;
    for (int sw : {stat_brute_attack_switch, stat_anti_stealer, stat_anti_dns_cheat, stat_urlcheck, stat_heart_bleed_switch,
                   stat_arp_attack_switch})
        if (sw == 0) ++off;
    return off;
}
