// Asks the router how much a Wi-Fi channel optimisation would improve
// reception, 3 s after each answer, until ended (also when ended from inside
// the delegate's call).
//
// Main thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "core/errors/TAVOError.h"
#include "core/records/TAVOAccountModel.h"
#include "core/records/TAVORouterModel.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVOOptChannelListener;

class TAVOOptChannelListenerDelegate {
public:
    virtual ~TAVOOptChannelListenerDelegate() = default;
    virtual void lisenerData(TAVOOptChannelListener& lisener, const ns::Value& data) = 0;
    // Optional.
    virtual void lisenerErrorCode(TAVOOptChannelListener&, const TAVOErrorPtr&) {}
};

class TAVOOptChannelListener : public ns::Object {
public:
    static constexpr double kQueryDelay = 3.0;

    static std::shared_ptr<TAVOOptChannelListener> create();
    ~TAVOOptChannelListener() override;

    void startLisener(const TAVORouterModelPtr& router, const TAVOAccountModelPtr& account);
    void endLisener();
    std::int32_t queryChannelOptPromotion();

    std::weak_ptr<TAVOOptChannelListenerDelegate> delegate;

    std::string className() const override { return "TAVOOptChannelListener"; }

private:
    TAVOOptChannelListener() = default;
    void answered(bool ok, const ns::Value& object, const TAVOErrorPtr& error);

    TAVORouterModelPtr router_;
    TAVOAccountModelPtr account_;
    bool running_ = false;
};
