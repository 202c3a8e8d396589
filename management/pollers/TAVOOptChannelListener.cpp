#include "management/pollers/TAVOOptChannelListener.h"

#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Perform.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVOGetChannelPromotionRequest.h"

namespace {
constexpr const char* kQueryName = "queryChannelOptPromotion";
}

std::shared_ptr<TAVOOptChannelListener> TAVOOptChannelListener::create() {
    return std::shared_ptr<TAVOOptChannelListener>(new TAVOOptChannelListener());
}

TAVOOptChannelListener::~TAVOOptChannelListener() { ns::NotificationCenter::defaultCenter()->removeObserver(this); }

void TAVOOptChannelListener::startLisener(const TAVORouterModelPtr& router, const TAVOAccountModelPtr& account) {
    router_ = router;
    account_ = account;
    running_ = true;
    auto self = shared_from_this();
    ns::cancelPreviousPerformRequests(self, kQueryName);
    ns::NotificationCenter::defaultCenter()->removeObserver(this);  // a restart keeps one subscription
    TAVORequestAnswers::listen<TAVOGetChannelPromotionRequest>(
        self, [this](const ns::Value& result, const ns::Dictionary&) { answered(true, result, nullptr); },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) { answered(false, {}, error); });
    queryChannelOptPromotion();
}

void TAVOOptChannelListener::endLisener() {
    running_ = false;
    ns::cancelPreviousPerformRequests(shared_from_this(), kQueryName);
    ns::NotificationCenter::defaultCenter()->removeObserver(this);
}

std::int32_t TAVOOptChannelListener::queryChannelOptPromotion() {
    ns::Dictionary param;
    const std::string qt = account_ ? account_->qt() : std::string();
    if (router_ && !router_->router_id.empty() && !qt.empty()) {
        param.set("router", ns::Value(router_));
        param.set("router_id", router_->router_id);
        param.set("qt", qt);
    }
    auto provider = TAVOAccountManager::shareInstance()->dataProvider(TAVODataProviderId::Device);
    return provider ? provider->reqData(TAVORequestNumber::GetChannelPromotion, ns::Value(param)) : 0;
}

void TAVOOptChannelListener::answered(bool ok, const ns::Value& object, const TAVOErrorPtr& error) {
    auto self = shared_from_this();
    if (auto d = delegate.lock()) {
        if (ok)
            d->lisenerData(*this, object);
        else
            d->lisenerErrorCode(*this, error);
    }
    if (!running_) return;  // ended, possibly by the delegate just now
    ns::cancelPreviousPerformRequests(self, kQueryName);
    std::weak_ptr<TAVOOptChannelListener> weak = this->self<TAVOOptChannelListener>();
    ns::performAfterDelay(self, kQueryName, kQueryDelay, [weak] {
        if (auto s = weak.lock()) s->queryChannelOptPromotion();
    });
}
