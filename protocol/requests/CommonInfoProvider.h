// An optional source of the cloud body's common pairs and of extra local
// parameters. Nothing in the system sets one, so the defaults apply.
#pragma once

#include <optional>

#include "platform/foundation/Value.h"

class CommonInfoProvider {
public:
    virtual ~CommonInfoProvider() = default;
    virtual std::optional<ns::Dictionary> commonInfo() { return std::nullopt; }
    virtual std::optional<ns::Dictionary> localRequestInfo() { return std::nullopt; }
};
