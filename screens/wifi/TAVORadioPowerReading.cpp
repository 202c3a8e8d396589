#include "screens/wifi/TAVORadioPowerReading.h"

#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "protocol/records/TAVORouterRadioPower.h"

std::string TAVORadioPowerReading::currentBand() {
    auto facade = TAVOAccountManager::shareInstance();
    auto router = facade->currentRouter();
    auto lisener = facade->statusLisener();
    auto status = lisener ? lisener->status() : nullptr;
    if (router && status && status->twoGConfig && !status->twoGConfig->wifi_ssid.isNilOrNull() &&
        status->twoGConfig->wifi_ssid.stringValue() == router->ssid)
        return "2.4G";
    return "5G";
}

std::optional<float> TAVORadioPowerReading::currentPower(const ns::Value& records) {
    return currentPower(records, currentBand());
}

std::optional<float> TAVORadioPowerReading::currentPower(const ns::Value& records, const std::string& band) {
    if (!records.isArray()) return std::nullopt;
    std::shared_ptr<TAVORouterRadioPower> first;
    for (const auto& element : records.asArray()) {
        auto record = element.isObject() ? element.as<TAVORouterRadioPower>() : nullptr;
        if (!record) continue;
        if (record->frequency == band) return record->powerPercent;
        if (!first) first = record;
    }
    if (first) return first->powerPercent;
    return std::nullopt;
}
