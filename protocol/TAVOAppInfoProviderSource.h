// The application-information provider as the core's source of the newest
// application version (start-up registers it with registerShared()).
#pragma once

#include <memory>
#include <optional>

#include "core/services/TAVOAppInfoSource.h"

class TAVOAppInfoProviderSource : public TAVOAppInfoSource {
public:
    // Makes the shared provider (TAVOAppInfoProvider::shareInstance()) the core's source.
    static void registerShared();

    bool hasNewVersion() override;
    std::optional<TAVOAppVersionInfo> nextAppVersionInfo() override;
};
