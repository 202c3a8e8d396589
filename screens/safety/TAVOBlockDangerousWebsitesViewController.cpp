#include "screens/safety/TAVOBlockDangerousWebsitesViewController.h"

#include "platform/foundation/Value.h"
#include "screens/safety/TAVOProtectionType.h"

const TAVOProtectionDescriptor& TAVOBlockDangerousWebsitesViewController::descriptor() const {
    static const TAVOProtectionDescriptor d{
        TAVOProtectionTypeDangerousWebsites,
        1006,
        &TAVORouterSafeSwitch::stat_urlcheck,
        [](const TAVORouterDynamicInfo& info) { return ns::Value(info.stat_intercept).intValue(); },
        "block dangerous websites",
        "cloud engine on",
        "cloud engine off",
        "turning cloud engine on...",
        "turning cloud engine off...",
        "NO network threats",
        "blocked %d threats",
        "your network might be very dangerous",
        "turn cloud engine on",
        "turn cloud engine off",
        {{"safe_ic_eywz01", "anti trojan"},
         {"safe_ic_eywz02", "anti fishing site"},
         {"safe_ic_eywz03", "anti cheat site"},
         {"safe_ic_eywz04", "anti fake url"},
         {"safe_ic_eywz05", "anti trojan url"}},
        "",
        ui::Font::systemFontOfSize(14),
        std::nullopt,
    };
    return d;
}
