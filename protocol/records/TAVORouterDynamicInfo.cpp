#include "protocol/records/TAVORouterDynamicInfo.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterDynamicInfo> TAVORouterDynamicInfo::initWithDictionary(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVORouterDynamicInfo");
    record->stat_last_optimize = R::text(d, "stat_last_optimize");
    record->stat_intercept = R::text(d, "stat_intercept");
    record->stat_anti_clean_ts = R::text(d, "stat_anti_clean_ts");
    record->stat_safetime = R::text(d, "stat_safetime");
    record->stat_runtime = R::text(d, "stat_runtime");
    record->stat_uptime = R::text(d, "stat_uptime");
    record->stat_ram = R::text(d, "stat_ram");
    record->stat_cpu = R::text(d, "stat_cpu");
    record->stat_breakdown = R::intFromText(d, "stat_breakdown");
    record->stat_privacy_protect = R::intFromText(d, "stat_privacy_protect");
    record->stat_anti_hacking = R::intFromText(d, "stat_anti_hacking");
    record->stat_anti_dnshacking = R::intFromText(d, "stat_anti_dnshacking");
    record->stat_anti_freeloader = R::intFromText(d, "stat_anti_freeloader");
    record->stat_anti_heart_bleed = R::intFromText(d, "stat_anti_heart_bleed");
    record->stat_anti_arp_attack = R::intFromText(d, "stat_anti_arp_attack");
    return record;
}

std::string TAVORouterDynamicInfo::description() const {
    return ns::format("stat_last_optimize is %@, stat_intercept = %@, stat_anti_clean_ts = %@, stat_safetime = %@, stat_runtime = %@, stat_uptime = %@, stat_ram = %@, stat_cpu = %@, stat_privacy_protect = %d, stat_anti_hacking = %d, stat_anti_dnshacking = %d, stat_anti_freeloader = %d, stat_anti_arp_attack = %d", stat_last_optimize, stat_intercept, stat_anti_clean_ts, stat_safetime, stat_runtime, stat_uptime, stat_ram, stat_cpu, stat_privacy_protect, stat_anti_hacking, stat_anti_dnshacking, stat_anti_freeloader, stat_anti_arp_attack);
}
