#include "screens/safety/TAVOHeartBloodProtectionViewController.h"

#include "screens/safety/TAVOProtectionType.h"

const TAVOProtectionDescriptor& TAVOHeartBloodProtectionViewController::descriptor() const {
    static const TAVOProtectionDescriptor d{
        TAVOProtectionTypeHeartBleed,
        1008,
        &TAVORouterSafeSwitch::stat_heart_bleed_switch,
        [](const TAVORouterDynamicInfo& info) { return info.stat_anti_heart_bleed; },
        "heart blood protection",
        "heart blood protection on",
        "heart blood protection off",
        "turning heart blood protection on...",
        "turning heart blood protection off...",
        "warn on insecure websites",
        "notified %d heart blood issues",
        "please turn heart blood protection on ",
        "turn heart blood protection on",
        "turn heart blood protection off",
        {{"safe_ic_hearbleed01", "secure https net pay"},
         {"safe_ic_hearbleed02", "secure vpn/outlook ssl"}},
        "safe_heartbleed_ic_mask",
        ui::Font::boldSystemFontOfSize(17),
        ui::Font::systemFontOfSize(13),
    };
    return d;
}
