#include "screens/safety/TAVODNSProtectViewController.h"

#include "screens/safety/TAVOProtectionType.h"

const TAVOProtectionDescriptor& TAVODNSProtectViewController::descriptor() const {
    static const TAVOProtectionDescriptor d{
        TAVOProtectionTypeDNSCheats,
        1004,
        &TAVORouterSafeSwitch::stat_anti_dns_cheat,
        [](const TAVORouterDynamicInfo& info) { return info.stat_anti_dnshacking; },
        "DNS safe protection",
        "your DNS is protected",
        "your DNS isn't protected",
        "turning anti DNS cheat on...",
        "turning anti DNS cheat off...",
        "NO DNS cheats",
        "block %d cheats",
        "please turn on anti DNS cheat",
        "turn DNS protection on",
        "turn DNS protection off",
        {{"safe_ic_dns01", "safe pay"},
         {"safe_ic_dns02", "ad block"},
         {"safe_ic_dns03", "anti hack"}},
        "safe_dns_ic_mask",
        std::nullopt,
        std::nullopt,
    };
    return d;
}
