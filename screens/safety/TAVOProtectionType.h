// The protection types of the common-switch request ("type"); its answer
// tells the switches apart by them.
#pragma once

enum TAVOProtectionType : int {
    TAVOProtectionTypeDangerousWebsites = 1,
    TAVOProtectionTypeAccountStealer = 2,
    TAVOProtectionTypeDNSCheats = 4,
    TAVOProtectionTypeWiFiIntruder = 7,
    TAVOProtectionTypeHeartBleed = 8,
    TAVOProtectionTypeLocalNetwork = 9,
};
