#include "screens/safety/TAVOARPProtectViewController.h"

#include "screens/safety/TAVOProtectionType.h"

const TAVOProtectionDescriptor& TAVOARPProtectViewController::descriptor() const {
    static const TAVOProtectionDescriptor d{
        TAVOProtectionTypeLocalNetwork,
        1007,
        &TAVORouterSafeSwitch::stat_arp_attack_switch,
        [](const TAVORouterDynamicInfo& info) { return info.stat_anti_arp_attack; },
        "local domain network protection",
        "your local domain network is protected",
        "your local domain network isn't protected",
        "turning local domain network protection on...",
        "turning local domain network protection off...",
        "NO ARP attackment",
        "block %d ARP attackment",
        "please turn on local domain network protection",
        "turn local domain network protection on",
        "turn local domain network protection off",
        {{"safe_ic_jyw01", "ARP attack protection"}},
        "safe_jyw_ic_mask",
        std::nullopt,
        std::nullopt,
    };
    return d;
}
