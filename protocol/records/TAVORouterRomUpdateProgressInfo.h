// ROM upgrade progress: the state code and the progress figure.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterRomUpdateProgressInfo : public ns::Object {
public:
    static std::shared_ptr<TAVORouterRomUpdateProgressInfo> create() { return std::shared_ptr<TAVORouterRomUpdateProgressInfo>(new TAVORouterRomUpdateProgressInfo()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVORouterRomUpdateProgressInfo> initWithDic(const ns::Value& dictionary);

    int status = 0;  // 1 while upgrading
    int progress = 0;  // a fraction is dropped

    std::string className() const override { return "TAVORouterRomUpdateProgressInfo"; }

protected:
    TAVORouterRomUpdateProgressInfo() = default;
};
