// What the application-information provider knows of the newest version of
// the application, as the core uses it; the protocol layer registers the
// provider here at start-up.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/services/TAVOService.h"

struct TAVOAppVersionInfo {
    std::string verName;    // the version's name, shown in the alert title
    std::string verNotice;  // what is new, the alert's message
    std::string verUrl;     // where to get it
};

class TAVOAppInfoSource {
public:
    virtual ~TAVOAppInfoSource() = default;
    virtual bool hasNewVersion() = 0;
    // The next version, when one is known.
    virtual std::optional<TAVOAppVersionInfo> nextAppVersionInfo() = 0;

    static std::shared_ptr<TAVOAppInfoSource> shared() { return TAVOService<TAVOAppInfoSource>::get(); }
    static void setShared(std::shared_ptr<TAVOAppInfoSource> s) { TAVOService<TAVOAppInfoSource>::set(std::move(s)); }
};
