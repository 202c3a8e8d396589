#include "protocol/TAVOAppInfoProviderSource.h"

#include "protocol/TAVOAppInfoProvider.h"

void TAVOAppInfoProviderSource::registerShared() { TAVOAppInfoSource::setShared(std::make_shared<TAVOAppInfoProviderSource>()); }

bool TAVOAppInfoProviderSource::hasNewVersion() { return TAVOAppInfoProvider::shareInstance()->hasNewVersion(); }

std::optional<TAVOAppVersionInfo> TAVOAppInfoProviderSource::nextAppVersionInfo() {
    auto next = TAVOAppInfoProvider::shareInstance()->nextAppVersionInfo();
    if (!next) return std::nullopt;
    return TAVOAppVersionInfo{next->verName, next->verNotice, next->verUrl};
}
