#include "management/pollers/TAVORouterStatusLisener.h"

#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Perform.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVOQueryAdminPwdSafetyRequest.h"
#include "protocol/requests/catalogue/TAVORouterGetProtectElapseRequest.h"
#include "protocol/requests/catalogue/TAVORouterQueryStatusRequest.h"
#include "protocol/requests/catalogue/TAVOWIFIWifiPwdStengthRequest.h"

namespace {

constexpr const char* kCycleName = "reqRouterStatus";

// The request whose answers each kind waits for.
const std::string& requestClass(int kind) {
    static const std::string names[] = {TAVORequestCatalogue::classNameOf<TAVORouterQueryStatusRequest>(),
                                        TAVORequestCatalogue::classNameOf<TAVOWIFIWifiPwdStengthRequest>(),
                                        TAVORequestCatalogue::classNameOf<TAVOQueryAdminPwdSafetyRequest>(),
                                        TAVORequestCatalogue::classNameOf<TAVORouterGetProtectElapseRequest>()};
    return names[kind];
}

}  // namespace

std::shared_ptr<TAVORouterStatusLisener> TAVORouterStatusLisener::create() {
    return std::shared_ptr<TAVORouterStatusLisener>(new TAVORouterStatusLisener());
}

TAVORouterStatusLisener::~TAVORouterStatusLisener() {
    // A pending cycle keeps the listener alive, so none is left here.
    ns::NotificationCenter::defaultCenter()->removeObserver(this);
}

void TAVORouterStatusLisener::startLisener(const TAVORouterModelPtr& router, const TAVOAccountModelPtr& account) {
    router_ = router;
    account_ = account;
    infinitReq_ = true;
    ns::cancelPreviousPerformRequests(shared_from_this(), kCycleName);
    reqRouterStatus();
}

void TAVORouterStatusLisener::endLisener() {
    for (int kind = 0; kind < KindCount; ++kind) setObserving(static_cast<Kind>(kind), false);
    infinitReq_ = false;
    ns::cancelPreviousPerformRequests(shared_from_this(), kCycleName);
    ns::NotificationCenter::defaultCenter()->removeObserver(this);
}

void TAVORouterStatusLisener::setObserving(Kind kind, bool observe) {
    if (observing_[kind] == observe) return;
    observing_[kind] = observe;
    if (!observe) {
        TAVORequestAnswers::stopListening(requestClass(kind), this);
        return;
    }
    TAVORequestAnswers::listen(
        requestClass(kind), shared_from_this(),
        [this, kind](const ns::Value& result, const ns::Dictionary&) { answered(kind, true, result, nullptr); },
        [this, kind](const TAVOErrorPtr& error, const ns::Dictionary&) { answered(kind, false, {}, error); });
}

void TAVORouterStatusLisener::reqRouterStatus() {
    isRequesting_ = true;
    for (bool& ready : ready_) ready = false;
    setObserving(Status, true);

    ns::Dictionary param;
    const std::string qt = account_ ? account_->qt() : std::string();
    if (router_ && !router_->router_id.empty() && !qt.empty()) {
        param.set("router", ns::Value(router_));
        param.set("router_id", router_->router_id);
        param.set("qt", qt);
    }
    for (const char* key : {"profile", "wifi_2gconfig", "wifi_5gconfig", "lan_status", "dynamic_info",
                            "station_info", "safe_switch", "internet_status"})
        param.set(key, "1");
    for (const char* key : {"lan_config", "wan_config", "wan_status"}) param.set(key, "0");
    auto facade = TAVOAccountManager::shareInstance();
    // Answers are heard by name; a refusal arrives as a failure answer.
    if (auto provider = facade->dataProvider(TAVODataProviderId::Device))
        (void)provider->reqData(TAVORequestNumber::RouterQueryStatus, ns::Value(param));

    if (wantsPasswordStrength) {
        error_.reset();
        setObserving(WiFiStrength, true);
        setObserving(AdminSafety, true);
        setObserving(ProtectElapse, true);
        (void)facade->queryWIFIPwdStrength();
        (void)facade->getAdminPwdSafety();
        (void)facade->getProtectElapse();
    } else {
        ready_[WiFiStrength] = ready_[AdminSafety] = ready_[ProtectElapse] = true;
    }
}

void TAVORouterStatusLisener::answered(Kind kind, bool ok, const ns::Value& object, const TAVOErrorPtr& error) {
    if (kind == Status) {
        if (!isRequesting_) return;
        if (ok) {
            status_ = object.as<TAVORouterStatus>();
            if (router_) router_->status = status_;
        } else {
            error_ = error;
        }
        setReady(Status);
        return;
    }
    setObserving(kind, false);
    if (ok) {
        const int value = object.intValue();
        if (kind == WiFiStrength) wifiPasswordStrength_ = value;
        if (kind == AdminSafety) adminPasswordSafety_ = value;
        if (kind == ProtectElapse) protectElapse_ = value;
    } else {
        error_ = error;
    }
    setReady(kind);
}

void TAVORouterStatusLisener::setReady(Kind kind) {
    ready_[kind] = true;
    checkCompletion();
}

void TAVORouterStatusLisener::checkCompletion() {
    for (bool ready : ready_)
        if (!ready) return;
    auto keepAlive = shared_from_this();  // the delegate may end and drop us
    if (error_) {
        TAVOErrorPtr error = std::move(error_);
        error_.reset();
        if (auto d = delegate.lock()) d->lisenerError(*this, error);
    } else if (auto d = delegate.lock()) {
        d->lisenerRouterStatus(*this, status_);
    }
    if (!infinitReq_) return;
    ns::cancelPreviousPerformRequests(keepAlive, kCycleName);
    std::weak_ptr<TAVORouterStatusLisener> weak = std::static_pointer_cast<TAVORouterStatusLisener>(keepAlive);
    ns::performAfterDelay(keepAlive, kCycleName, kCycleDelay, [weak] {
        if (auto self = weak.lock()) self->reqRouterStatus();
    });
}
