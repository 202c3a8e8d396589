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
    static const std::vector<Row> table = {
        {TAVORequestNumber::RoutersList, TAVODataProviderId::Account, "TAVORoutersListRequest", "router list notification"},
        {TAVORequestNumber::RouterUnbind, TAVODataProviderId::Account, "TAVORouterUnbindRequest", "unbind router notification"},
        {TAVORequestNumber::RouterQueryStatus, TAVODataProviderId::Device, "TAVORouterQueryStatusRequest", "status of router notification"},
        {TAVORequestNumber::RouterInitCheck, TAVODataProviderId::Device, "TAVORouterInitCheckRequest", "router init check notification"},
        {TAVORequestNumber::RouterTicketVerification, TAVODataProviderId::Device, "TAVORouterTicketVerificationRequest", "router ticket check notification"},
        {TAVORequestNumber::RouterBind, TAVODataProviderId::Device, "TAVORouterBindRequest", "bind router local notification"},
        {TAVORequestNumber::RouterBindToAccount, TAVODataProviderId::Device, "TAVORouterBindToAccountRequest", "bind router remote notification"},
        {TAVORequestNumber::RouterRestart, TAVODataProviderId::Device, "TAVORouterRestartRequest", "restart router notification"},
        {TAVORequestNumber::RouterDiagnose, TAVODataProviderId::Device, "TAVORouterDiagnoseRequest", "diagnose router notification"},
        {TAVORequestNumber::RouterDiagnoseFix, TAVODataProviderId::Device, "TAVORouterDiagnoseFixRequest", "diagnose fix router notification"},
        {TAVORequestNumber::RouterNetDiagnose, TAVODataProviderId::Device, "TAVORouterNetDiagnoseRequest", "net diagnose router notification"},
        {TAVORequestNumber::RouterFixNetDiagnose, TAVODataProviderId::Device, "TAVORouterFixNetDiagnoseRequest", "net diagnose fix router notification"},
        {TAVORequestNumber::RouterQueryBlackList, TAVODataProviderId::Device, "TAVORouterQueryBlackListRequest", "router query blacklist notification"},
        {TAVORequestNumber::RouterPermitDevice, TAVODataProviderId::Device, "TAVORouterPermitDeviceRequest", "router restore from blacklist notification"},
        {TAVORequestNumber::RouterOpenDevice, TAVODataProviderId::Device, "TAVORouterOpenDeviceRequest", "router open device notification"},
        {TAVORequestNumber::RouterCloseDevice, TAVODataProviderId::Device, "TAVORouterCloseDeviceRequest", "router close device notification"},
        {TAVORequestNumber::DeviceKick, TAVODataProviderId::Device, "TAVODeviceKickRequest", "router kick device notification"},
        {TAVORequestNumber::RouterTrustDevice, TAVODataProviderId::Device, "TAVORouterTrustDeviceRequest", "router trust device notification"},
        {TAVORequestNumber::RouterDenyDevice, TAVODataProviderId::Device, "TAVORouterDenyDeviceRequest", "router deny device notification"},
        {TAVORequestNumber::DeviceSetAliasName, TAVODataProviderId::Device, "TAVODeviceSetAliasNameRequest", "router set alias device notification"},
        {TAVORequestNumber::RouterQueryDeviceList, TAVODataProviderId::Device, "TAVORouterQueryDeviceListRequest", "router query devicelist notification"},
        {TAVORequestNumber::GuestList, TAVODataProviderId::Device, "TAVOGuestListRequest", "router query guestlist notification"},
        {TAVORequestNumber::GuestKickDevice, TAVODataProviderId::Device, "TAVOGuestKickDeviceRequest", "router kick guest notification"},
        {TAVORequestNumber::GuestStart, TAVODataProviderId::Device, "TAVOGuestStartRequest", "router start guest mode notification"},
        {TAVORequestNumber::RouterQueryRomUpdate, TAVODataProviderId::Device, "TAVORouterQueryRomUpdateRequest", "router check rom update notification"},
        {TAVORequestNumber::RouterUpdateRom, TAVODataProviderId::Device, "TAVORouterUpdateRomRequest", "router update rom notification"},
        {TAVORequestNumber::RouterRomUpdateProgress, TAVODataProviderId::Device, "TAVORouterRomUpdateProgressRequest", "router update progress rom notification"},
        {TAVORequestNumber::RouterSetCommonSW, TAVODataProviderId::Device, "TAVORouterSetCommonSWRequest", "router common sw notification"},
        {TAVORequestNumber::RouterLedControl, TAVODataProviderId::Device, "TAVORouterLedControlRequest", "router led changed notification"},
        {TAVORequestNumber::RouterWIFIWorkControl, TAVODataProviderId::Device, "TAVORouterWIFIWorkControlRequest", "router wifi changed notification"},
        {TAVORequestNumber::RouterGetWIFITime, TAVODataProviderId::Device, "TAVORouterGetWIFITimeRequest", "router get wifi time changed notification"},
        {TAVORequestNumber::RouterSetWIFITime, TAVODataProviderId::Device, "TAVORouterSetWIFITimeRequest", "router set wifi time changed notification"},
        {TAVORequestNumber::RouterCloseWIFITimer, TAVODataProviderId::Device, "TAVORouterCloseWIFITimerRequest", "router close wifi time changed notification"},
        {TAVORequestNumber::RouterQueryRadioPower, TAVODataProviderId::Device, "TAVORouterQueryRadioPower", "router get radio changed notification"},
        {TAVORequestNumber::RouterSetRadioPower, TAVODataProviderId::Device, "TAVORouterSetRadioPowerRequest", "router set radio changed notification"},
        {TAVORequestNumber::RouterSetNeedPermit, TAVODataProviderId::Device, "TAVORouterSetNeedPermitRequest", "router set permit notification"},
        {TAVORequestNumber::RouterSetPermitAdvance, TAVODataProviderId::Device, "TAVORouterSetPermitAdvanceRequest", "router set permit advance notification"},
        {TAVORequestNumber::RouterGetSpeed, TAVODataProviderId::Device, "TAVORouterGetSpeedRequest", "router get speed notification"},
        {TAVORequestNumber::RouterTestSpeed, TAVODataProviderId::Device, "TAVORouterTestSpeedRequest", "router test speed notification"},
        {TAVORequestNumber::GetChannelQuality, TAVODataProviderId::Device, "TAVOGetChannelQualityRequest", "router get channel quality notification"},
        {TAVORequestNumber::WIFIOptimizeChannel, TAVODataProviderId::Device, "TAVOWIFIOptimizeChannel", "router opt channel notification"},
        {TAVORequestNumber::GetChannelPromotion, TAVODataProviderId::Device, "TAVOGetChannelPromotionRequest", "router get opt promotion notification"},
        {TAVORequestNumber::RouterAccelerateDevice, TAVODataProviderId::Device, "TAVORouterAccelerateDevice", "router accelerate device notification"},
        {TAVORequestNumber::CancelAccelerate, TAVODataProviderId::Device, "TAVOCancelAccelerateRequest", "router cancel accelerate device notification"},
        {TAVORequestNumber::GetAccelerateDevice, TAVODataProviderId::Device, "TAVOGetAccelerateDeviceRequest", "router get accelerate device notification"},
        {TAVORequestNumber::RouterGetSafetyLog, TAVODataProviderId::Device, "TAVORouterGetSafetyLogRequest", "router get safety log notification"},
        {TAVORequestNumber::WIFIGetChannelDeviceNum, TAVODataProviderId::Device, "TAVOWIFIGetChannelDeviceNumRequest", "router query channel notification"},
        {TAVORequestNumber::UpdateWifiPwd, TAVODataProviderId::Device, "TAVOUpdateWifiPwdRequest", "router update wifi pwd notification"},
        {TAVORequestNumber::WIFIWifiPwdStength, TAVODataProviderId::Device, "TAVOWIFIWifiPwdStengthRequest", "router query wifi pwd strength notification"},
        {TAVORequestNumber::SetChannel, TAVODataProviderId::Device, "TAVOSetChannelRequest", "router wifi set channel notification"},
        {TAVORequestNumber::SetWifiBandWidth, TAVODataProviderId::Device, "TAVOSetWifiBandWidthRequest", "router wifi set band width notification"},
        {TAVORequestNumber::RouterUpdateAdminPwd, TAVODataProviderId::Device, "TAVORouterUpdateAdminPwdRequest", "router update admin pwd notification"},
        {TAVORequestNumber::QueryAdminPwdSafety, TAVODataProviderId::Device, "TAVOQueryAdminPwdSafetyRequest", "router query admin pwd safety notification"},
        {TAVORequestNumber::RouterGetProtectElapse, TAVODataProviderId::Device, "TAVORouterGetProtectElapseRequest", "router get protection elapse notification"},
        {TAVORequestNumber::RouterGetSafetyIndicators, TAVODataProviderId::Device, "TAVORouterGetSafetyIndicatorsRequest", "router get safety indicators notification"},
        {TAVORequestNumber::RouterGetVirusLibraryInfo, TAVODataProviderId::Device, "TAVORouterGetVirusLibraryInfo", "router get virus info notification"},
        {TAVORequestNumber::RouterUpdateVirusLibrary, TAVODataProviderId::Device, "TAVORouterUpdateVirusLibrary", "router update virus notification"},
        {TAVORequestNumber::RegDeviceToken, TAVODataProviderId::Device, "TAVORegDeviceTokenRequest", "router reg device token notofication"},
        {TAVORequestNumber::ClearDeviceToken, TAVODataProviderId::Device, "TAVOClearDeviceTokenRequest", "router clear device token notofication"},
        {TAVORequestNumber::RouterSetSpeedLimit, TAVODataProviderId::Device, "TAVORouterSetSpeedLimitRequest", "device set speed limit notification"},
        {TAVORequestNumber::RouterCancelSpeedLimit, TAVODataProviderId::Device, "TAVORouterCancelSpeedLimitRequest", "device cancel speed limit notification"},
        {TAVORequestNumber::RouterFactoryReset, TAVODataProviderId::Device, "TAVORouterFactoryResetRequest", "reset router notification"},
        {TAVORequestNumber::RemoteQueryAppUpdate, TAVODataProviderId::AppInfo, "TAVORemoteQueryAppUpdateRequest", "version of app notification"},
        {TAVORequestNumber::AppFeedback, TAVODataProviderId::AppInfo, "TAVOAppFeedbackRequest", "feedback notification"},
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
