#include "protocol/requests/TAVORequestCatalogue.h"

#include <map>
#include <mutex>
#include <typeindex>

#include "platform/foundation/ClassRegistry.h"
#include "protocol/requests/catalogue/TAVORoutersListRequest.h"
#include "protocol/requests/catalogue/TAVORouterUnbindRequest.h"
#include "protocol/requests/catalogue/TAVORouterQueryStatusRequest.h"
#include "protocol/requests/catalogue/TAVORouterInitCheckRequest.h"
#include "protocol/requests/catalogue/TAVORouterTicketVerificationRequest.h"
#include "protocol/requests/catalogue/TAVORouterBindRequest.h"
#include "protocol/requests/catalogue/TAVORouterBindToAccountRequest.h"
#include "protocol/requests/catalogue/TAVORouterRestartRequest.h"
#include "protocol/requests/catalogue/TAVORouterDiagnoseRequest.h"
#include "protocol/requests/catalogue/TAVORouterDiagnoseFixRequest.h"
#include "protocol/requests/catalogue/TAVORouterNetDiagnoseRequest.h"
#include "protocol/requests/catalogue/TAVORouterFixNetDiagnoseRequest.h"
#include "protocol/requests/catalogue/TAVORouterQueryBlackListRequest.h"
#include "protocol/requests/catalogue/TAVORouterPermitDeviceRequest.h"
#include "protocol/requests/catalogue/TAVORouterOpenDeviceRequest.h"
#include "protocol/requests/catalogue/TAVORouterCloseDeviceRequest.h"
#include "protocol/requests/catalogue/TAVODeviceKickRequest.h"
#include "protocol/requests/catalogue/TAVORouterTrustDeviceRequest.h"
#include "protocol/requests/catalogue/TAVORouterDenyDeviceRequest.h"
#include "protocol/requests/catalogue/TAVODeviceSetAliasNameRequest.h"
#include "protocol/requests/catalogue/TAVORouterQueryDeviceListRequest.h"
#include "protocol/requests/catalogue/TAVOGuestListRequest.h"
#include "protocol/requests/catalogue/TAVOGuestKickDeviceRequest.h"
#include "protocol/requests/catalogue/TAVOGuestStartRequest.h"
#include "protocol/requests/catalogue/TAVORouterQueryRomUpdateRequest.h"
#include "protocol/requests/catalogue/TAVORouterUpdateRomRequest.h"
#include "protocol/requests/catalogue/TAVORouterRomUpdateProgressRequest.h"
#include "protocol/requests/catalogue/TAVORouterSetCommonSWRequest.h"
#include "protocol/requests/catalogue/TAVORouterLedControlRequest.h"
#include "protocol/requests/catalogue/TAVORouterWIFIWorkControlRequest.h"
#include "protocol/requests/catalogue/TAVORouterGetWIFITimeRequest.h"
#include "protocol/requests/catalogue/TAVORouterSetWIFITimeRequest.h"
#include "protocol/requests/catalogue/TAVORouterCloseWIFITimerRequest.h"
#include "protocol/requests/catalogue/TAVORouterQueryRadioPower.h"
#include "protocol/requests/catalogue/TAVORouterSetRadioPowerRequest.h"
#include "protocol/requests/catalogue/TAVORouterSetNeedPermitRequest.h"
#include "protocol/requests/catalogue/TAVORouterSetPermitAdvanceRequest.h"
#include "protocol/requests/catalogue/TAVORouterGetSpeedRequest.h"
#include "protocol/requests/catalogue/TAVORouterTestSpeedRequest.h"
#include "protocol/requests/catalogue/TAVOGetChannelQualityRequest.h"
#include "protocol/requests/catalogue/TAVOWIFIOptimizeChannel.h"
#include "protocol/requests/catalogue/TAVOGetChannelPromotionRequest.h"
#include "protocol/requests/catalogue/TAVORouterAccelerateDevice.h"
#include "protocol/requests/catalogue/TAVOCancelAccelerateRequest.h"
#include "protocol/requests/catalogue/TAVOGetAccelerateDeviceRequest.h"
#include "protocol/requests/catalogue/TAVORouterGetSafetyLogRequest.h"
#include "protocol/requests/catalogue/TAVOWIFIGetChannelDeviceNumRequest.h"
#include "protocol/requests/catalogue/TAVOUpdateWifiPwdRequest.h"
#include "protocol/requests/catalogue/TAVOWIFIWifiPwdStengthRequest.h"
#include "protocol/requests/catalogue/TAVOSetChannelRequest.h"
#include "protocol/requests/catalogue/TAVOSetWifiBandWidthRequest.h"
#include "protocol/requests/catalogue/TAVORouterUpdateAdminPwdRequest.h"
#include "protocol/requests/catalogue/TAVOQueryAdminPwdSafetyRequest.h"
#include "protocol/requests/catalogue/TAVORouterGetProtectElapseRequest.h"
#include "protocol/requests/catalogue/TAVORouterGetSafetyIndicatorsRequest.h"
#include "protocol/requests/catalogue/TAVORouterGetVirusLibraryInfo.h"
#include "protocol/requests/catalogue/TAVORouterUpdateVirusLibrary.h"
#include "protocol/requests/catalogue/TAVORegDeviceTokenRequest.h"
#include "protocol/requests/catalogue/TAVOClearDeviceTokenRequest.h"
#include "protocol/requests/catalogue/TAVORouterSetSpeedLimitRequest.h"
#include "protocol/requests/catalogue/TAVORouterCancelSpeedLimitRequest.h"
#include "protocol/requests/catalogue/TAVORouterFactoryResetRequest.h"
#include "protocol/requests/catalogue/TAVORemoteQueryAppUpdateRequest.h"
#include "protocol/requests/catalogue/TAVOAppFeedbackRequest.h"
#include "protocol/requests/catalogue/TAVORouterClearInterceptRequest.h"
#include "protocol/requests/catalogue/TAVORouterInterceptListRequest.h"

const std::vector<TAVORequestCatalogue::Row>& TAVORequestCatalogue::rows() {
    using N = TAVORequestNumber;
    constexpr auto kAccount = TAVODataProviderId::Account;
    constexpr auto kDevice = TAVODataProviderId::Device;
    constexpr auto kAppInfo = TAVODataProviderId::AppInfo;
    static const std::vector<Row> table = {
        {N::RoutersList, kAccount, "TAVORoutersListRequest", "router list notification"},
        {N::RouterUnbind, kAccount, "TAVORouterUnbindRequest", "unbind router notification"},
        {N::RouterQueryStatus, kDevice, "TAVORouterQueryStatusRequest", "status of router notification"},
        {N::RouterInitCheck, kDevice, "TAVORouterInitCheckRequest", "router init check notification"},
        {N::RouterTicketVerification, kDevice, "TAVORouterTicketVerificationRequest", "router ticket check notification"},
        {N::RouterBind, kDevice, "TAVORouterBindRequest", "bind router local notification"},
        {N::RouterBindToAccount, kDevice, "TAVORouterBindToAccountRequest", "bind router remote notification"},
        {N::RouterRestart, kDevice, "TAVORouterRestartRequest", "restart router notification"},
        {N::RouterDiagnose, kDevice, "TAVORouterDiagnoseRequest", "diagnose router notification"},
        {N::RouterDiagnoseFix, kDevice, "TAVORouterDiagnoseFixRequest", "diagnose fix router notification"},
        {N::RouterNetDiagnose, kDevice, "TAVORouterNetDiagnoseRequest", "net diagnose router notification"},
        {N::RouterFixNetDiagnose, kDevice, "TAVORouterFixNetDiagnoseRequest", "net diagnose fix router notification"},
        {N::RouterQueryBlackList, kDevice, "TAVORouterQueryBlackListRequest", "router query blacklist notification"},
        {N::RouterPermitDevice, kDevice, "TAVORouterPermitDeviceRequest", "router restore from blacklist notification"},
        {N::RouterOpenDevice, kDevice, "TAVORouterOpenDeviceRequest", "router open device notification"},
        {N::RouterCloseDevice, kDevice, "TAVORouterCloseDeviceRequest", "router close device notification"},
        {N::DeviceKick, kDevice, "TAVODeviceKickRequest", "router kick device notification"},
        {N::RouterTrustDevice, kDevice, "TAVORouterTrustDeviceRequest", "router trust device notification"},
        {N::RouterDenyDevice, kDevice, "TAVORouterDenyDeviceRequest", "router deny device notification"},
        {N::DeviceSetAliasName, kDevice, "TAVODeviceSetAliasNameRequest", "router set alias device notification"},
        {N::RouterQueryDeviceList, kDevice, "TAVORouterQueryDeviceListRequest", "router query devicelist notification"},
        {N::GuestList, kDevice, "TAVOGuestListRequest", "router query guestlist notification"},
        {N::GuestKickDevice, kDevice, "TAVOGuestKickDeviceRequest", "router kick guest notification"},
        {N::GuestStart, kDevice, "TAVOGuestStartRequest", "router start guest mode notification"},
        {N::RouterQueryRomUpdate, kDevice, "TAVORouterQueryRomUpdateRequest", "router check rom update notification"},
        {N::RouterUpdateRom, kDevice, "TAVORouterUpdateRomRequest", "router update rom notification"},
        {N::RouterRomUpdateProgress, kDevice, "TAVORouterRomUpdateProgressRequest", "router update progress rom notification"},
        {N::RouterSetCommonSW, kDevice, "TAVORouterSetCommonSWRequest", "router common sw notification"},
        {N::RouterLedControl, kDevice, "TAVORouterLedControlRequest", "router led changed notification"},
        {N::RouterWIFIWorkControl, kDevice, "TAVORouterWIFIWorkControlRequest", "router wifi changed notification"},
        {N::RouterGetWIFITime, kDevice, "TAVORouterGetWIFITimeRequest", "router get wifi time changed notification"},
        {N::RouterSetWIFITime, kDevice, "TAVORouterSetWIFITimeRequest", "router set wifi time changed notification"},
        {N::RouterCloseWIFITimer, kDevice, "TAVORouterCloseWIFITimerRequest", "router close wifi time changed notification"},
        {N::RouterQueryRadioPower, kDevice, "TAVORouterQueryRadioPower", "router get radio changed notification"},
        {N::RouterSetRadioPower, kDevice, "TAVORouterSetRadioPowerRequest", "router set radio changed notification"},
        {N::RouterSetNeedPermit, kDevice, "TAVORouterSetNeedPermitRequest", "router set permit notification"},
        {N::RouterSetPermitAdvance, kDevice, "TAVORouterSetPermitAdvanceRequest", "router set permit advance notification"},
        {N::RouterGetSpeed, kDevice, "TAVORouterGetSpeedRequest", "router get speed notification"},
        {N::RouterTestSpeed, kDevice, "TAVORouterTestSpeedRequest", "router test speed notification"},
        {N::GetChannelQuality, kDevice, "TAVOGetChannelQualityRequest", "router get channel quality notification"},
        {N::WIFIOptimizeChannel, kDevice, "TAVOWIFIOptimizeChannel", "router opt channel notification"},
        {N::GetChannelPromotion, kDevice, "TAVOGetChannelPromotionRequest", "router get opt promotion notification"},
        {N::RouterAccelerateDevice, kDevice, "TAVORouterAccelerateDevice", "router accelerate device notification"},
        {N::CancelAccelerate, kDevice, "TAVOCancelAccelerateRequest", "router cancel accelerate device notification"},
        {N::GetAccelerateDevice, kDevice, "TAVOGetAccelerateDeviceRequest", "router get accelerate device notification"},
        {N::RouterGetSafetyLog, kDevice, "TAVORouterGetSafetyLogRequest", "router get safety log notification"},
        {N::WIFIGetChannelDeviceNum, kDevice, "TAVOWIFIGetChannelDeviceNumRequest", "router query channel notification"},
        {N::UpdateWifiPwd, kDevice, "TAVOUpdateWifiPwdRequest", "router update wifi pwd notification"},
        {N::WIFIWifiPwdStength, kDevice, "TAVOWIFIWifiPwdStengthRequest", "router query wifi pwd strength notification"},
        {N::SetChannel, kDevice, "TAVOSetChannelRequest", "router wifi set channel notification"},
        {N::SetWifiBandWidth, kDevice, "TAVOSetWifiBandWidthRequest", "router wifi set band width notification"},
        {N::RouterUpdateAdminPwd, kDevice, "TAVORouterUpdateAdminPwdRequest", "router update admin pwd notification"},
        {N::QueryAdminPwdSafety, kDevice, "TAVOQueryAdminPwdSafetyRequest", "router query admin pwd safety notification"},
        {N::RouterGetProtectElapse, kDevice, "TAVORouterGetProtectElapseRequest", "router get protection elapse notification"},
        {N::RouterGetSafetyIndicators, kDevice, "TAVORouterGetSafetyIndicatorsRequest", "router get safety indicators notification"},
        {N::RouterGetVirusLibraryInfo, kDevice, "TAVORouterGetVirusLibraryInfo", "router get virus info notification"},
        {N::RouterUpdateVirusLibrary, kDevice, "TAVORouterUpdateVirusLibrary", "router update virus notification"},
        {N::RegDeviceToken, kDevice, "TAVORegDeviceTokenRequest", "router reg device token notofication"},
        {N::ClearDeviceToken, kDevice, "TAVOClearDeviceTokenRequest", "router clear device token notofication"},
        {N::RouterSetSpeedLimit, kDevice, "TAVORouterSetSpeedLimitRequest", "device set speed limit notification"},
        {N::RouterCancelSpeedLimit, kDevice, "TAVORouterCancelSpeedLimitRequest", "device cancel speed limit notification"},
        {N::RouterFactoryReset, kDevice, "TAVORouterFactoryResetRequest", "reset router notification"},
        {N::RemoteQueryAppUpdate, kAppInfo, "TAVORemoteQueryAppUpdateRequest", "version of app notification"},
        {N::AppFeedback, kAppInfo, "TAVOAppFeedbackRequest", "feedback notification"},
    };
    return table;
}

namespace {

// Filled once, with the class registry, and only read afterwards.
std::map<std::type_index, std::string>& classNamesByType() {
    static std::map<std::type_index, std::string> names;
    return names;
}

}  // namespace

template <class Request>
void TAVORequestCatalogue::registerRequestClass(const char* className) {
    ns::ClassRegistry<TAVORemoteHttpDataRequest>::registerClass<Request>(className);
    classNamesByType()[std::type_index(typeid(Request))] = className;
}

void TAVORequestCatalogue::registerRequestClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        registerRequestClass<TAVORoutersListRequest>("TAVORoutersListRequest");
        registerRequestClass<TAVORouterUnbindRequest>("TAVORouterUnbindRequest");
        registerRequestClass<TAVORouterQueryStatusRequest>("TAVORouterQueryStatusRequest");
        registerRequestClass<TAVORouterInitCheckRequest>("TAVORouterInitCheckRequest");
        registerRequestClass<TAVORouterTicketVerificationRequest>("TAVORouterTicketVerificationRequest");
        registerRequestClass<TAVORouterBindRequest>("TAVORouterBindRequest");
        registerRequestClass<TAVORouterBindToAccountRequest>("TAVORouterBindToAccountRequest");
        registerRequestClass<TAVORouterRestartRequest>("TAVORouterRestartRequest");
        registerRequestClass<TAVORouterDiagnoseRequest>("TAVORouterDiagnoseRequest");
        registerRequestClass<TAVORouterDiagnoseFixRequest>("TAVORouterDiagnoseFixRequest");
        registerRequestClass<TAVORouterNetDiagnoseRequest>("TAVORouterNetDiagnoseRequest");
        registerRequestClass<TAVORouterFixNetDiagnoseRequest>("TAVORouterFixNetDiagnoseRequest");
        registerRequestClass<TAVORouterQueryBlackListRequest>("TAVORouterQueryBlackListRequest");
        registerRequestClass<TAVORouterPermitDeviceRequest>("TAVORouterPermitDeviceRequest");
        registerRequestClass<TAVORouterOpenDeviceRequest>("TAVORouterOpenDeviceRequest");
        registerRequestClass<TAVORouterCloseDeviceRequest>("TAVORouterCloseDeviceRequest");
        registerRequestClass<TAVODeviceKickRequest>("TAVODeviceKickRequest");
        registerRequestClass<TAVORouterTrustDeviceRequest>("TAVORouterTrustDeviceRequest");
        registerRequestClass<TAVORouterDenyDeviceRequest>("TAVORouterDenyDeviceRequest");
        registerRequestClass<TAVODeviceSetAliasNameRequest>("TAVODeviceSetAliasNameRequest");
        registerRequestClass<TAVORouterQueryDeviceListRequest>("TAVORouterQueryDeviceListRequest");
        registerRequestClass<TAVOGuestListRequest>("TAVOGuestListRequest");
        registerRequestClass<TAVOGuestKickDeviceRequest>("TAVOGuestKickDeviceRequest");
        registerRequestClass<TAVOGuestStartRequest>("TAVOGuestStartRequest");
        registerRequestClass<TAVORouterQueryRomUpdateRequest>("TAVORouterQueryRomUpdateRequest");
        registerRequestClass<TAVORouterUpdateRomRequest>("TAVORouterUpdateRomRequest");
        registerRequestClass<TAVORouterRomUpdateProgressRequest>("TAVORouterRomUpdateProgressRequest");
        registerRequestClass<TAVORouterSetCommonSWRequest>("TAVORouterSetCommonSWRequest");
        registerRequestClass<TAVORouterLedControlRequest>("TAVORouterLedControlRequest");
        registerRequestClass<TAVORouterWIFIWorkControlRequest>("TAVORouterWIFIWorkControlRequest");
        registerRequestClass<TAVORouterGetWIFITimeRequest>("TAVORouterGetWIFITimeRequest");
        registerRequestClass<TAVORouterSetWIFITimeRequest>("TAVORouterSetWIFITimeRequest");
        registerRequestClass<TAVORouterCloseWIFITimerRequest>("TAVORouterCloseWIFITimerRequest");
        registerRequestClass<TAVORouterQueryRadioPower>("TAVORouterQueryRadioPower");
        registerRequestClass<TAVORouterSetRadioPowerRequest>("TAVORouterSetRadioPowerRequest");
        registerRequestClass<TAVORouterSetNeedPermitRequest>("TAVORouterSetNeedPermitRequest");
        registerRequestClass<TAVORouterSetPermitAdvanceRequest>("TAVORouterSetPermitAdvanceRequest");
        registerRequestClass<TAVORouterGetSpeedRequest>("TAVORouterGetSpeedRequest");
        registerRequestClass<TAVORouterTestSpeedRequest>("TAVORouterTestSpeedRequest");
        registerRequestClass<TAVOGetChannelQualityRequest>("TAVOGetChannelQualityRequest");
        registerRequestClass<TAVOWIFIOptimizeChannel>("TAVOWIFIOptimizeChannel");
        registerRequestClass<TAVOGetChannelPromotionRequest>("TAVOGetChannelPromotionRequest");
        registerRequestClass<TAVORouterAccelerateDevice>("TAVORouterAccelerateDevice");
        registerRequestClass<TAVOCancelAccelerateRequest>("TAVOCancelAccelerateRequest");
        registerRequestClass<TAVOGetAccelerateDeviceRequest>("TAVOGetAccelerateDeviceRequest");
        registerRequestClass<TAVORouterGetSafetyLogRequest>("TAVORouterGetSafetyLogRequest");
        registerRequestClass<TAVOWIFIGetChannelDeviceNumRequest>("TAVOWIFIGetChannelDeviceNumRequest");
        registerRequestClass<TAVOUpdateWifiPwdRequest>("TAVOUpdateWifiPwdRequest");
        registerRequestClass<TAVOWIFIWifiPwdStengthRequest>("TAVOWIFIWifiPwdStengthRequest");
        registerRequestClass<TAVOSetChannelRequest>("TAVOSetChannelRequest");
        registerRequestClass<TAVOSetWifiBandWidthRequest>("TAVOSetWifiBandWidthRequest");
        registerRequestClass<TAVORouterUpdateAdminPwdRequest>("TAVORouterUpdateAdminPwdRequest");
        registerRequestClass<TAVOQueryAdminPwdSafetyRequest>("TAVOQueryAdminPwdSafetyRequest");
        registerRequestClass<TAVORouterGetProtectElapseRequest>("TAVORouterGetProtectElapseRequest");
        registerRequestClass<TAVORouterGetSafetyIndicatorsRequest>("TAVORouterGetSafetyIndicatorsRequest");
        registerRequestClass<TAVORouterGetVirusLibraryInfo>("TAVORouterGetVirusLibraryInfo");
        registerRequestClass<TAVORouterUpdateVirusLibrary>("TAVORouterUpdateVirusLibrary");
        registerRequestClass<TAVORegDeviceTokenRequest>("TAVORegDeviceTokenRequest");
        registerRequestClass<TAVOClearDeviceTokenRequest>("TAVOClearDeviceTokenRequest");
        registerRequestClass<TAVORouterSetSpeedLimitRequest>("TAVORouterSetSpeedLimitRequest");
        registerRequestClass<TAVORouterCancelSpeedLimitRequest>("TAVORouterCancelSpeedLimitRequest");
        registerRequestClass<TAVORouterFactoryResetRequest>("TAVORouterFactoryResetRequest");
        registerRequestClass<TAVORemoteQueryAppUpdateRequest>("TAVORemoteQueryAppUpdateRequest");
        registerRequestClass<TAVOAppFeedbackRequest>("TAVOAppFeedbackRequest");
        registerRequestClass<TAVORouterClearInterceptRequest>("TAVORouterClearInterceptRequest");
        registerRequestClass<TAVORouterInterceptListRequest>("TAVORouterInterceptListRequest");
    });
}

TAVORemoteHttpDataRequestPtr TAVORequestCatalogue::createRequest(const std::string& className) {
    registerRequestClasses();
    return ns::ClassRegistry<TAVORemoteHttpDataRequest>::create(className);
}

std::string TAVORequestCatalogue::classNameOf(const std::type_info& requestType) {
    registerRequestClasses();
    const auto& names = classNamesByType();
    auto it = names.find(std::type_index(requestType));
    return it == names.end() ? std::string() : it->second;
}
