// An application version: the running one, or the newest the cloud reports.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVOAppUpdateInfo : public ns::Object {
public:
    static std::shared_ptr<TAVOAppUpdateInfo> create() { return std::shared_ptr<TAVOAppUpdateInfo>(new TAVOAppUpdateInfo()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVOAppUpdateInfo> initWithDictionary(const ns::Value& dictionary);

    int verCode = 0;  // versions compare by this
    std::string verName;
    std::string verUrl;
    std::string verNotice;

    // True exactly when this version code is greater than the other's.
    bool isNewer(const std::shared_ptr<TAVOAppUpdateInfo>& other) const { return other && verCode > other->verCode; }

    std::string className() const override { return "TAVOAppUpdateInfo"; }
    std::string description() const override;

protected:
    TAVOAppUpdateInfo() = default;
};
