#include "core/app/TAVOStatusTextColorUtility.h"

#include "platform/foundation/Singleton.h"

std::shared_ptr<TAVOStatusTextColorUtility> TAVOStatusTextColorUtility::sharedInstance() {
    return ns::Singleton<TAVOStatusTextColorUtility>::get();
}

std::shared_ptr<TAVOStatusTextColorUtility> TAVOStatusTextColorUtility::create() {
    auto utility = std::shared_ptr<TAVOStatusTextColorUtility>(new TAVOStatusTextColorUtility());
    utility->colorDictionary_ = {
        {"TAVODevicesListViewController", "Black"},
        {"TAVOSpeedupModeViewController", "White"},
        {"TAVOGuestModeViewController", "Black"},
        {"TAVORadioPowerAdjustViewController", "White"},
        {"TAVONetProtectViewController", "White"},
        {"TAVOAntiAccountStealerViewController", "White"},
        {"TAVODNSProtectViewController", "White"},
        {"TAVOBlockDangerousWebsitesViewController", "White"},
        {"TAVOHeartBloodProtectionViewController", "White"},
        {"TAVOSettingViewController", "Black"},
        {"TAVORoutersListViewController", "Black"},
        {"TAVORouterInfoViewController", "Black"},
        {"TAVORouterAdminPwdViewController", "Black"},
        {"TAVOWiFiPwdViewController", "Black"},
        {"TAVOWIFIDoorViewController", "Black"},
        {"TAVOHealthModeViewController", "White"},
        {"TAVOBlockHistoryViewController", "White"},
        {"TAVOSafeReportViewController", "White"},
        {"MPImagePickerController", "White"},
        {"MPAlbumPickerController", "White"},
        {"MPAssetTablePickerController", "White"},
    };
    return utility;
}

std::optional<std::string> TAVOStatusTextColorUtility::getColorState(const std::string& className) const {
    auto it = colorDictionary_.find(className);
    if (it == colorDictionary_.end()) return std::nullopt;
    return it->second;
}

int TAVOStatusTextColorUtility::getStatusBarStyleByViewControllerName(const std::string& className) const {
    return getColorState(className) == std::optional<std::string>("White") ? 1 : 0;
}
