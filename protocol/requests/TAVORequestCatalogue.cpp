#include "protocol/requests/TAVORequestCatalogue.h"

#include <mutex>

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
        {0, 0, "TAVORoutersListRequest", "router list notification"},
        {1, 0, "TAVORouterUnbindRequest", "unbind router notification"},
        {3, 1, "TAVORouterQueryStatusRequest", "status of router notification"},
        {4, 1, "TAVORouterInitCheckRequest", "router init check notification"},
        {5, 1, "TAVORouterTicketVerificationRequest", "router ticket check notification"},
        {6, 1, "TAVORouterBindRequest", "bind router local notification"},
        {7, 1, "TAVORouterBindToAccountRequest", "bind router remote notification"},
        {8, 1, "TAVORouterRestartRequest", "restart router notification"},
        {9, 1, "TAVORouterDiagnoseRequest", "diagnose router notification"},
        {10, 1, "TAVORouterDiagnoseFixRequest", "diagnose fix router notification"},
        {11, 1, "TAVORouterNetDiagnoseRequest", "net diagnose router notification"},
        {12, 1, "TAVORouterFixNetDiagnoseRequest", "net diagnose fix router notification"},
        {13, 1, "TAVORouterQueryBlackListRequest", "router query blacklist notification"},
        {14, 1, "TAVORouterPermitDeviceRequest", "router restore from blacklist notification"},
        {15, 1, "TAVORouterOpenDeviceRequest", "router open device notification"},
        {16, 1, "TAVORouterCloseDeviceRequest", "router close device notification"},
        {17, 1, "TAVODeviceKickRequest", "router kick device notification"},
        {18, 1, "TAVORouterTrustDeviceRequest", "router trust device notification"},
        {19, 1, "TAVORouterDenyDeviceRequest", "router deny device notification"},
        {20, 1, "TAVODeviceSetAliasNameRequest", "router set alias device notification"},
        {21, 1, "TAVORouterQueryDeviceListRequest", "router query devicelist notification"},
        {22, 1, "TAVOGuestListRequest", "router query guestlist notification"},
        {23, 1, "TAVOGuestKickDeviceRequest", "router kick guest notification"},
        {24, 1, "TAVOGuestStartRequest", "router start guest mode notification"},
        {25, 1, "TAVORouterQueryRomUpdateRequest", "router check rom update notification"},
        {26, 1, "TAVORouterUpdateRomRequest", "router update rom notification"},
        {27, 1, "TAVORouterRomUpdateProgressRequest", "router update progress rom notification"},
        {28, 1, "TAVORouterSetCommonSWRequest", "router common sw notification"},
        {29, 1, "TAVORouterLedControlRequest", "router led changed notification"},
        {30, 1, "TAVORouterWIFIWorkControlRequest", "router wifi changed notification"},
        {31, 1, "TAVORouterGetWIFITimeRequest", "router get wifi time changed notification"},
        {32, 1, "TAVORouterSetWIFITimeRequest", "router set wifi time changed notification"},
        {33, 1, "TAVORouterCloseWIFITimerRequest", "router close wifi time changed notification"},
        {34, 1, "TAVORouterQueryRadioPower", "router get radio changed notification"},
        {35, 1, "TAVORouterSetRadioPowerRequest", "router set radio changed notification"},
        {36, 1, "TAVORouterSetNeedPermitRequest", "router set permit notification"},
        {37, 1, "TAVORouterSetPermitAdvanceRequest", "router set permit advance notification"},
        {38, 1, "TAVORouterGetSpeedRequest", "router get speed notification"},
        {39, 1, "TAVORouterTestSpeedRequest", "router test speed notification"},
        {40, 1, "TAVOGetChannelQualityRequest", "router get channel quality notification"},
        {41, 1, "TAVOWIFIOptimizeChannel", "router opt channel notification"},
        {42, 1, "TAVOGetChannelPromotionRequest", "router get opt promotion notification"},
        {43, 1, "TAVORouterAccelerateDevice", "router accelerate device notification"},
        {44, 1, "TAVOCancelAccelerateRequest", "router cancel accelerate device notification"},
        {45, 1, "TAVOGetAccelerateDeviceRequest", "router get accelerate device notification"},
        {46, 1, "TAVORouterGetSafetyLogRequest", "router get safety log notification"},
        {47, 1, "TAVOWIFIGetChannelDeviceNumRequest", "router query channel notification"},
        {48, 1, "TAVOUpdateWifiPwdRequest", "router update wifi pwd notification"},
        {49, 1, "TAVOWIFIWifiPwdStengthRequest", "router query wifi pwd strength notification"},
        {50, 1, "TAVOSetChannelRequest", "router wifi set channel notification"},
        {51, 1, "TAVOSetWifiBandWidthRequest", "router wifi set band width notification"},
        {52, 1, "TAVORouterUpdateAdminPwdRequest", "router update admin pwd notification"},
        {53, 1, "TAVOQueryAdminPwdSafetyRequest", "router query admin pwd safety notification"},
        {54, 1, "TAVORouterGetProtectElapseRequest", "router get protection elapse notification"},
        {55, 1, "TAVORouterGetSafetyIndicatorsRequest", "router get safety indicators notification"},
        {56, 1, "TAVORouterGetVirusLibraryInfo", "router get virus info notification"},
        {57, 1, "TAVORouterUpdateVirusLibrary", "router update virus notification"},
        {58, 1, "TAVORegDeviceTokenRequest", "router reg device token notofication"},
        {59, 1, "TAVOClearDeviceTokenRequest", "router clear device token notofication"},
        {61, 1, "TAVORouterSetSpeedLimitRequest", "device set speed limit notification"},
        {62, 1, "TAVORouterCancelSpeedLimitRequest", "device cancel speed limit notification"},
        {63, 1, "TAVORouterFactoryResetRequest", "reset router notification"},
        {61, 2, "TAVORemoteQueryAppUpdateRequest", "version of app notification"},
        {62, 2, "TAVOAppFeedbackRequest", "feedback notification"},
    };
    return table;
}

void TAVORequestCatalogue::registerRequestClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        using Registry = ns::ClassRegistry<TAVORemoteHttpDataRequest>;
        Registry::registerClass<TAVORoutersListRequest>("TAVORoutersListRequest");
        Registry::registerClass<TAVORouterUnbindRequest>("TAVORouterUnbindRequest");
        Registry::registerClass<TAVORouterQueryStatusRequest>("TAVORouterQueryStatusRequest");
        Registry::registerClass<TAVORouterInitCheckRequest>("TAVORouterInitCheckRequest");
        Registry::registerClass<TAVORouterTicketVerificationRequest>("TAVORouterTicketVerificationRequest");
        Registry::registerClass<TAVORouterBindRequest>("TAVORouterBindRequest");
        Registry::registerClass<TAVORouterBindToAccountRequest>("TAVORouterBindToAccountRequest");
        Registry::registerClass<TAVORouterRestartRequest>("TAVORouterRestartRequest");
        Registry::registerClass<TAVORouterDiagnoseRequest>("TAVORouterDiagnoseRequest");
        Registry::registerClass<TAVORouterDiagnoseFixRequest>("TAVORouterDiagnoseFixRequest");
        Registry::registerClass<TAVORouterNetDiagnoseRequest>("TAVORouterNetDiagnoseRequest");
        Registry::registerClass<TAVORouterFixNetDiagnoseRequest>("TAVORouterFixNetDiagnoseRequest");
        Registry::registerClass<TAVORouterQueryBlackListRequest>("TAVORouterQueryBlackListRequest");
        Registry::registerClass<TAVORouterPermitDeviceRequest>("TAVORouterPermitDeviceRequest");
        Registry::registerClass<TAVORouterOpenDeviceRequest>("TAVORouterOpenDeviceRequest");
        Registry::registerClass<TAVORouterCloseDeviceRequest>("TAVORouterCloseDeviceRequest");
        Registry::registerClass<TAVODeviceKickRequest>("TAVODeviceKickRequest");
        Registry::registerClass<TAVORouterTrustDeviceRequest>("TAVORouterTrustDeviceRequest");
        Registry::registerClass<TAVORouterDenyDeviceRequest>("TAVORouterDenyDeviceRequest");
        Registry::registerClass<TAVODeviceSetAliasNameRequest>("TAVODeviceSetAliasNameRequest");
        Registry::registerClass<TAVORouterQueryDeviceListRequest>("TAVORouterQueryDeviceListRequest");
        Registry::registerClass<TAVOGuestListRequest>("TAVOGuestListRequest");
        Registry::registerClass<TAVOGuestKickDeviceRequest>("TAVOGuestKickDeviceRequest");
        Registry::registerClass<TAVOGuestStartRequest>("TAVOGuestStartRequest");
        Registry::registerClass<TAVORouterQueryRomUpdateRequest>("TAVORouterQueryRomUpdateRequest");
        Registry::registerClass<TAVORouterUpdateRomRequest>("TAVORouterUpdateRomRequest");
        Registry::registerClass<TAVORouterRomUpdateProgressRequest>("TAVORouterRomUpdateProgressRequest");
        Registry::registerClass<TAVORouterSetCommonSWRequest>("TAVORouterSetCommonSWRequest");
        Registry::registerClass<TAVORouterLedControlRequest>("TAVORouterLedControlRequest");
        Registry::registerClass<TAVORouterWIFIWorkControlRequest>("TAVORouterWIFIWorkControlRequest");
        Registry::registerClass<TAVORouterGetWIFITimeRequest>("TAVORouterGetWIFITimeRequest");
        Registry::registerClass<TAVORouterSetWIFITimeRequest>("TAVORouterSetWIFITimeRequest");
        Registry::registerClass<TAVORouterCloseWIFITimerRequest>("TAVORouterCloseWIFITimerRequest");
        Registry::registerClass<TAVORouterQueryRadioPower>("TAVORouterQueryRadioPower");
        Registry::registerClass<TAVORouterSetRadioPowerRequest>("TAVORouterSetRadioPowerRequest");
        Registry::registerClass<TAVORouterSetNeedPermitRequest>("TAVORouterSetNeedPermitRequest");
        Registry::registerClass<TAVORouterSetPermitAdvanceRequest>("TAVORouterSetPermitAdvanceRequest");
        Registry::registerClass<TAVORouterGetSpeedRequest>("TAVORouterGetSpeedRequest");
        Registry::registerClass<TAVORouterTestSpeedRequest>("TAVORouterTestSpeedRequest");
        Registry::registerClass<TAVOGetChannelQualityRequest>("TAVOGetChannelQualityRequest");
        Registry::registerClass<TAVOWIFIOptimizeChannel>("TAVOWIFIOptimizeChannel");
        Registry::registerClass<TAVOGetChannelPromotionRequest>("TAVOGetChannelPromotionRequest");
        Registry::registerClass<TAVORouterAccelerateDevice>("TAVORouterAccelerateDevice");
        Registry::registerClass<TAVOCancelAccelerateRequest>("TAVOCancelAccelerateRequest");
        Registry::registerClass<TAVOGetAccelerateDeviceRequest>("TAVOGetAccelerateDeviceRequest");
        Registry::registerClass<TAVORouterGetSafetyLogRequest>("TAVORouterGetSafetyLogRequest");
        Registry::registerClass<TAVOWIFIGetChannelDeviceNumRequest>("TAVOWIFIGetChannelDeviceNumRequest");
        Registry::registerClass<TAVOUpdateWifiPwdRequest>("TAVOUpdateWifiPwdRequest");
        Registry::registerClass<TAVOWIFIWifiPwdStengthRequest>("TAVOWIFIWifiPwdStengthRequest");
        Registry::registerClass<TAVOSetChannelRequest>("TAVOSetChannelRequest");
        Registry::registerClass<TAVOSetWifiBandWidthRequest>("TAVOSetWifiBandWidthRequest");
        Registry::registerClass<TAVORouterUpdateAdminPwdRequest>("TAVORouterUpdateAdminPwdRequest");
        Registry::registerClass<TAVOQueryAdminPwdSafetyRequest>("TAVOQueryAdminPwdSafetyRequest");
        Registry::registerClass<TAVORouterGetProtectElapseRequest>("TAVORouterGetProtectElapseRequest");
        Registry::registerClass<TAVORouterGetSafetyIndicatorsRequest>("TAVORouterGetSafetyIndicatorsRequest");
        Registry::registerClass<TAVORouterGetVirusLibraryInfo>("TAVORouterGetVirusLibraryInfo");
        Registry::registerClass<TAVORouterUpdateVirusLibrary>("TAVORouterUpdateVirusLibrary");
        Registry::registerClass<TAVORegDeviceTokenRequest>("TAVORegDeviceTokenRequest");
        Registry::registerClass<TAVOClearDeviceTokenRequest>("TAVOClearDeviceTokenRequest");
        Registry::registerClass<TAVORouterSetSpeedLimitRequest>("TAVORouterSetSpeedLimitRequest");
        Registry::registerClass<TAVORouterCancelSpeedLimitRequest>("TAVORouterCancelSpeedLimitRequest");
        Registry::registerClass<TAVORouterFactoryResetRequest>("TAVORouterFactoryResetRequest");
        Registry::registerClass<TAVORemoteQueryAppUpdateRequest>("TAVORemoteQueryAppUpdateRequest");
        Registry::registerClass<TAVOAppFeedbackRequest>("TAVOAppFeedbackRequest");
        Registry::registerClass<TAVORouterClearInterceptRequest>("TAVORouterClearInterceptRequest");
        Registry::registerClass<TAVORouterInterceptListRequest>("TAVORouterInterceptListRequest");
    });
}

TAVORemoteHttpDataRequestPtr TAVORequestCatalogue::createRequest(const std::string& className) {
    registerRequestClasses();
    return ns::ClassRegistry<TAVORemoteHttpDataRequest>::create(className);
}
