// The router's ROM check reply. The router record keeps the latest one.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterRomUpdataInfo : public ns::Object {
public:
    static std::shared_ptr<TAVORouterRomUpdataInfo> create() { return std::shared_ptr<TAVORouterRomUpdataInfo>(new TAVORouterRomUpdataInfo()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVORouterRomUpdataInfo> initWithDictionary(const ns::Value& dictionary);

    int update_type = 0;  // > 0 when a newer ROM exists
    std::string version;
    std::string verUri;  // sent back by the upgrade request
    std::string verNotice;
    std::string verMd5;  // sent back by the upgrade request
    ns::Value timeNum;  // taken unchanged whenever present

    std::string className() const override { return "TAVORouterRomUpdataInfo"; }
    std::string description() const override;

protected:
    TAVORouterRomUpdataInfo() = default;
};
