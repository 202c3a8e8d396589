#include "screens/safety/TAVOAntiAccountStealerViewController.h"

#include "screens/safety/TAVOProtectionType.h"

const TAVOProtectionDescriptor& TAVOAntiAccountStealerViewController::descriptor() const {
    static const TAVOProtectionDescriptor d{
        TAVOProtectionTypeAccountStealer,
        1003,
        &TAVORouterSafeSwitch::stat_anti_stealer,
        [](const TAVORouterDynamicInfo& info) { return info.stat_anti_hacking; },
        "protect to theal account",
        "your account is protected",
        "your account isn't protected",
        "turning anti stealer on...",
        "turning anti stealer off...",
        "NO account stealer threats",
        "protect you from %d attacks",
        "your account isn't safe",
        "turn anti stealer on",
        "turn anti stealer off",
        {{"safe_ic_fdh01", "IM Account"},
         {"safe_ic_fdh02", "Game Account"},
         {"safe_ic_fdh03", "SNS Account"}},
        "safe_fdh_ic_mask",
        std::nullopt,
        std::nullopt,
    };
    return d;
}
