// Drives a firmware upgrade for the upgrade screen: sends the upgrade order,
// then asks for the upgrade's progress 1 s after each answer, reporting the
// percentage and the status codes, until a final status or the caller ends
// it. An answer that arrives after the end never starts the polling again.
//
// Main thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/errors/TAVOError.h"
#include "core/records/TAVORouterModel.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterRomUpdateListener;

// Every operation is optional: the default does nothing.
class TAVORouterRomUpdateListenerDelegate {
public:
    virtual ~TAVORouterRomUpdateListenerDelegate() = default;
    virtual void listenerProgress(TAVORouterRomUpdateListener&, float) {}
    virtual void listenerWithStatus(TAVORouterRomUpdateListener&, int) {}
    // Event 0: the upgrade order was answered; err is the failure text, nullopt on success.
    virtual void listenerEventIdErr(TAVORouterRomUpdateListener&, int, const std::optional<std::string>&) {}
};

class TAVORouterRomUpdateListener : public ns::Object {
public:
    static constexpr double kProgressDelay = 1.0;

    // The listener listens for both answers for its whole life.
    static std::shared_ptr<TAVORouterRomUpdateListener> create();
    ~TAVORouterRomUpdateListener() override;

    [[nodiscard]] std::int32_t requestUpdateRom(const TAVORouterModelPtr& router, const std::string& qt);
    void startCheckUpdateProgress(const TAVORouterModelPtr& router, const std::string& qt);
    std::int32_t checkUpdateProgress();
    void endCheckUpdateProgress();
    bool isPolling() const { return polling_; }

    std::weak_ptr<TAVORouterRomUpdateListenerDelegate> delegate;

    std::string className() const override { return "TAVORouterRomUpdateListener"; }

private:
    TAVORouterRomUpdateListener() = default;
    ns::Dictionary routerParam() const;
    void updateAnswered(const TAVOErrorPtr& failure, bool ok);
    void progressAnswered(bool ok, const ns::Value& object);
    void scheduleNext();

    TAVORouterModelPtr router_;
    std::string qt_;
    bool polling_ = false;
};
