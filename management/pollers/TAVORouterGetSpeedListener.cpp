#include "management/pollers/TAVORouterGetSpeedListener.h"

#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Perform.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/records/TAVORouterStaticInfo.h"
#include "protocol/requests/catalogue/TAVORouterGetSpeedRequest.h"

namespace {
constexpr const char* kSpeedRequestName = "reqRouterSpeed";
}

std::shared_ptr<TAVORouterGetSpeedListener> TAVORouterGetSpeedListener::create() {
    return std::shared_ptr<TAVORouterGetSpeedListener>(new TAVORouterGetSpeedListener());
}

TAVORouterGetSpeedListener::~TAVORouterGetSpeedListener() {
    // A pending request keeps the poller alive, so none is left here; the
    // shared status poller still runs for a new delegate or the facade.
    ns::NotificationCenter::defaultCenter()->removeObserver(this);
}

void TAVORouterGetSpeedListener::startLisener(const TAVORouterModelPtr& router, const TAVOAccountModelPtr& account,
                                              const std::shared_ptr<TAVORouterGetSpeedListenerDelegate>& d) {
    router_ = router;
    account_ = account;
    delegate = d;
    auto self = shared_from_this();
    ns::cancelPreviousPerformRequests(self, kSpeedRequestName);
    TAVORequestAnswers::listen<TAVORouterGetSpeedRequest>(
        self, [this](const ns::Value& result, const ns::Dictionary&) { answered(true, result, nullptr); },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) { answered(false, {}, error); });
    reqRouterSpeed();
    startStatusLisener();
}

void TAVORouterGetSpeedListener::endLisener(bool keepStatusPoller) {
    ns::cancelPreviousPerformRequests(shared_from_this(), kSpeedRequestName);
    ns::NotificationCenter::defaultCenter()->removeObserver(this);
    if (keepStatusPoller) return;
    delegate.reset();
    if (auto status = TAVOAccountManager::shareInstance()->statusLisener()) {
        status->delegate.reset();
        status->endLisener();
    }
}

std::int32_t TAVORouterGetSpeedListener::reqRouterSpeed() {
    ns::Dictionary param;
    const std::string qt = account_ ? account_->qt() : std::string();
    if (router_ && !router_->router_id.empty() && !qt.empty()) {
        param.set("router", ns::Value(router_));
        param.set("router_id", router_->router_id);
        param.set("qt", qt);
    }
    param.set("interval", "30");
    param.set("count", "10");
    param.set("type", "0");
    auto provider = TAVOAccountManager::shareInstance()->dataProvider(TAVODataProviderId::Device);
    return provider ? provider->reqData(TAVORequestNumber::RouterGetSpeed, ns::Value(param)) : 0;
}

void TAVORouterGetSpeedListener::answered(bool ok, const ns::Value& object, const TAVOErrorPtr& error) {
    auto keepAlive = shared_from_this();
    if (auto d = delegate.lock()) {
        if (ok)
            d->lisenerSpeed(*this, object.asArray());
        else
            d->lisenerError(*this, error);
    }
    scheduleNext();
}

void TAVORouterGetSpeedListener::scheduleNext() {
    auto self = shared_from_this();
    ns::cancelPreviousPerformRequests(self, kSpeedRequestName);
    std::weak_ptr<TAVORouterGetSpeedListener> weak = this->self<TAVORouterGetSpeedListener>();
    ns::performAfterDelay(self, kSpeedRequestName, kSpeedDelay, [weak] {
        if (auto s = weak.lock()) s->reqRouterSpeed();
    });
}

void TAVORouterGetSpeedListener::startStatusLisener() {
    auto facade = TAVOAccountManager::shareInstance();
    auto status = facade->statusLisener();
    if (!status) {
        status = TAVORouterStatusLisener::create();
        facade->setStatusLisener(status);
    }
    status->delegate = self<TAVORouterGetSpeedListener>();
    status->startLisener(facade->currentRouter(), facade->currentAccountData());
}

void TAVORouterGetSpeedListener::lisenerRouterStatus(TAVORouterStatusLisener&, const TAVORouterStatusPtr&) {
    int down = 0, up = 0;
    auto current = TAVOAccountManager::shareInstance()->currentRouter();
    if (current && current->status && current->status->staticInfo) {
        down = ns::Value(current->status->staticInfo->all_downspeed).intValue();
        up = ns::Value(current->status->staticInfo->all_upspeed).intValue();
    }
    if (auto d = delegate.lock()) d->lisenerDownSpeedUpSpeed(*this, down, up);
}

void TAVORouterGetSpeedListener::lisenerError(TAVORouterStatusLisener&, const TAVOErrorPtr& error) {
    if (auto d = delegate.lock()) d->lisenerError(*this, error);
}
