// The safety indicators: wrong admin passwords tried and freeloaders kept out.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterSafeIndicator : public ns::Object {
public:
    static std::shared_ptr<TAVORouterSafeIndicator> create() { return std::shared_ptr<TAVORouterSafeIndicator>(new TAVORouterSafeIndicator()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVORouterSafeIndicator> initWithDic(const ns::Value& dictionary);

    int err_pwd_num = 0;
    int anti_freeloader_num = 0;

    std::string className() const override { return "TAVORouterSafeIndicator"; }
    std::string description() const override;

protected:
    TAVORouterSafeIndicator() = default;
};
