// Keeps a router's status fresh while a screen shows it: each cycle asks for
// the full status (and, when wanted, the Wi-Fi password strength, the admin
// password safety and the days of protection), waits until every asked
// answer is in, reports once, and starts the next cycle 5 s after that last
// answer, until ended. Answers are matched by notification name, so an
// answer to another sender's request of the same number counts too.
//
// Main thread only.
#pragma once

#include <memory>

#include "core/errors/TAVOError.h"
#include "core/records/TAVOAccountModel.h"
#include "core/records/TAVORouterModel.h"
#include "platform/foundation/Object.h"
#include "protocol/records/TAVORouterStatus.h"

class TAVORouterStatusLisener;

class TAVORouterStatusLisenerDelegate {
public:
    virtual ~TAVORouterStatusLisenerDelegate() = default;
    virtual void lisenerRouterStatus(TAVORouterStatusLisener& lisener, const TAVORouterStatusPtr& status) = 0;
    // Optional: a delegate that does not override it hears nothing of a failed cycle.
    virtual void lisenerError(TAVORouterStatusLisener&, const TAVOErrorPtr&) {}
};

class TAVORouterStatusLisener : public ns::Object {
public:
    static constexpr double kCycleDelay = 5.0;

    static std::shared_ptr<TAVORouterStatusLisener> create();
    ~TAVORouterStatusLisener() override;

    void startLisener(const TAVORouterModelPtr& router, const TAVOAccountModelPtr& account);
    void endLisener();

    std::weak_ptr<TAVORouterStatusLisenerDelegate> delegate;
    bool wantsPasswordStrength = false;

    const TAVORouterStatusPtr& status() const { return status_; }
    // 1..4; anything else the router said reads as 1.
    int wifiPasswordStrength() const { return wifiPasswordStrength_ >= 1 && wifiPasswordStrength_ <= 4 ? wifiPasswordStrength_ : 1; }
    int adminPasswordSafety() const { return adminPasswordSafety_; }
    // A screen that just changed the admin password counts it safe until
    // the next cycle says otherwise.
    void setAdminPasswordSafety(int safety) { adminPasswordSafety_ = safety; }
    int protectElapse() const { return protectElapse_; }
    bool isRunning() const { return infinitReq_; }

    std::string className() const override { return "TAVORouterStatusLisener"; }

private:
    TAVORouterStatusLisener() = default;
    enum Kind { Status, WiFiStrength, AdminSafety, ProtectElapse, KindCount };

    void reqRouterStatus();
    void setObserving(Kind kind, bool observe);
    void answered(Kind kind, bool ok, const ns::Value& object, const TAVOErrorPtr& error);
    void setReady(Kind kind);
    void checkCompletion();
    void stopObservingAndCycles();

    TAVORouterStatusPtr status_;
    int wifiPasswordStrength_ = 1;
    int adminPasswordSafety_ = 1;
    int protectElapse_ = 0;
    TAVOErrorPtr error_;
    TAVORouterModelPtr router_;
    TAVOAccountModelPtr account_;
    bool isRequesting_ = false;
    bool infinitReq_ = false;
    bool observing_[KindCount] = {};
    bool ready_[KindCount] = {};
};

using TAVORouterStatusLisenerPtr = std::shared_ptr<TAVORouterStatusLisener>;
