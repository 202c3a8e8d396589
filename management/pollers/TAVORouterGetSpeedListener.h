// Feeds the dashboard and the speed curve: asks the router for its recent
// speed samples 5 s after each answer, and drives the facade's shared status
// poller, passing on the total download and upload speeds of each report.
// Every running speed poller takes every speed answer (matched by name).
//
// Main thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "core/errors/TAVOError.h"
#include "core/records/TAVOAccountModel.h"
#include "core/records/TAVORouterModel.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterGetSpeedListener;

class TAVORouterGetSpeedListenerDelegate {
public:
    virtual ~TAVORouterGetSpeedListenerDelegate() = default;
    // The speed samples (numbers, KB/s).
    virtual void lisenerSpeed(TAVORouterGetSpeedListener& lisener, const ns::Array& speed) = 0;
    virtual void lisenerDownSpeedUpSpeed(TAVORouterGetSpeedListener& lisener, int downSpeed, int upSpeed) = 0;
    // Optional.
    virtual void lisenerError(TAVORouterGetSpeedListener&, const TAVOErrorPtr&) {}
};

class TAVORouterGetSpeedListener : public ns::Object, public TAVORouterStatusLisenerDelegate {
public:
    static constexpr double kSpeedDelay = 5.0;

    static std::shared_ptr<TAVORouterGetSpeedListener> create();
    ~TAVORouterGetSpeedListener() override;

    void startLisener(const TAVORouterModelPtr& router, const TAVOAccountModelPtr& account,
                      const std::shared_ptr<TAVORouterGetSpeedListenerDelegate>& delegate);
    // Stops the speed requests; unless the status poller is kept, also drops
    // the delegate and ends the facade's shared status poller.
    void endLisener(bool keepStatusPoller = false);
    // Sends the speed request now; the request token.
    std::int32_t reqRouterSpeed();

    std::weak_ptr<TAVORouterGetSpeedListenerDelegate> delegate;

    void lisenerRouterStatus(TAVORouterStatusLisener& lisener, const TAVORouterStatusPtr& status) override;
    void lisenerError(TAVORouterStatusLisener& lisener, const TAVOErrorPtr& error) override;

    std::string className() const override { return "TAVORouterGetSpeedListener"; }

private:
    TAVORouterGetSpeedListener() = default;
    void answered(bool ok, const ns::Value& object, const TAVOErrorPtr& error);
    void scheduleNext();
    void startStatusLisener();

    TAVORouterModelPtr router_;
    TAVOAccountModelPtr account_;
};

using TAVORouterGetSpeedListenerPtr = std::shared_ptr<TAVORouterGetSpeedListener>;
