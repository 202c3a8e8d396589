#include "protocol/records/TAVORouterStatus.h"

std::shared_ptr<TAVORouterStatus> TAVORouterStatus::fromVData(const ns::Value& vdata) {
    auto status = create();
    auto section = [&](const char* key) -> const ns::Value& { return vdata[key]; };
    if (const auto& s = section("profile"); !s.isNil()) status->hardwareInfo = TAVORouterHardwareInfo::initWithDictionary(s);
    if (const auto& s = section("wan_config"); !s.isNil()) status->wanConfig = TAVORouterWANConfig::initWithDictionary(s);
    if (const auto& s = section("wan_status"); !s.isNil()) status->wanStatus = TAVORouterWANStatus::initWithDictionary(s);
    if (const auto& s = section("lan_config"); !s.isNil()) status->lanConfig = TAVORouterLANConfig::initWithDictionary(s);
    if (const auto& s = section("lan_status"); !s.isNil()) status->lanStatus = TAVORouterLANStatus::initWithDictionary(s);
    if (const auto& s = section("wifi_2gconfig"); !s.isNil()) status->twoGConfig = TAVORouterNgConfig::fromSection(s, "2g");
    if (const auto& s = section("wifi_5gconfig"); !s.isNil()) status->fiveGConfig = TAVORouterNgConfig::fromSection(s, "5g");
    if (const auto& s = section("dynamic_info"); !s.isNil()) status->dynamicInfo = TAVORouterDynamicInfo::initWithDictionary(s);
    if (const auto& s = section("station_info"); !s.isNil()) status->staticInfo = TAVORouterStaticInfo::initWithDictionary(s);
    if (const auto& s = section("safe_switch"); !s.isNil()) status->safeSwitch = TAVORouterSafeSwitch::initWithDictionary(s);
    if (const auto& s = section("internet_status"); !s.isNil())
        status->internetStatus = TAVORouterInternetStatus::initWithDictionary(s);
    return status;
}

int TAVORouterStatus::unopenedSafeItemCount() const {
    int count = safeSwitch ? safeSwitch->safeSwitchOffCount() : 0;
    if (!staticInfo || staticInfo->need_permit == 0) ++count;
    return count;
}
