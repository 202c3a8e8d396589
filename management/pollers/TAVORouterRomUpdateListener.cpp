#include "management/pollers/TAVORouterRomUpdateListener.h"

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Perform.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/records/TAVORouterRomUpdataInfo.h"
#include "protocol/records/TAVORouterRomUpdateProgressInfo.h"
#include "protocol/requests/catalogue/TAVORouterRomUpdateProgressRequest.h"
#include "protocol/requests/catalogue/TAVORouterUpdateRomRequest.h"

namespace {
constexpr const char* kCheckName = "checkUpdateProgress";

enum class Reaction { Progress, Report, ReportAndStop, Silent };

Reaction reactionTo(int status) {
    switch (status) {
        case 1: return Reaction::Progress;
        case 2: case 3: case 4: return Reaction::Report;
        case -5: case -3: case -2: case -1: case 50: case 100: return Reaction::ReportAndStop;
        default: return Reaction::Silent;
    }
}
}  // namespace

std::shared_ptr<TAVORouterRomUpdateListener> TAVORouterRomUpdateListener::create() {
    auto listener = std::shared_ptr<TAVORouterRomUpdateListener>(new TAVORouterRomUpdateListener());
    auto* raw = listener.get();
    TAVORequestAnswers::listen<TAVORouterUpdateRomRequest>(
        listener, [raw](const ns::Value&, const ns::Dictionary&) { raw->updateAnswered(nullptr, true); },
        [raw](const TAVOErrorPtr& error, const ns::Dictionary&) { raw->updateAnswered(error, false); });
    TAVORequestAnswers::listen<TAVORouterRomUpdateProgressRequest>(
        listener, [raw](const ns::Value& result, const ns::Dictionary&) { raw->progressAnswered(true, result); },
        [raw](const TAVOErrorPtr&, const ns::Dictionary&) { raw->progressAnswered(false, {}); });
    return listener;
}

TAVORouterRomUpdateListener::~TAVORouterRomUpdateListener() {
    ns::NotificationCenter::defaultCenter()->removeObserver(this);
}

ns::Dictionary TAVORouterRomUpdateListener::routerParam() const {
    ns::Dictionary param;
    if (router_ && !router_->router_id.empty() && !qt_.empty()) {
        param.set("router", ns::Value(router_));
        param.set("router_id", router_->router_id);
        param.set("qt", qt_);
    }
    return param;
}

std::int32_t TAVORouterRomUpdateListener::requestUpdateRom(const TAVORouterModelPtr& router, const std::string& qt) {
    router_ = router;
    qt_ = qt;
    ns::Dictionary param = routerParam();
    const auto& info = router_ ? router_->updateInfo : nullptr;
    param.set("uri", info ? info->verUri : std::string());
    param.set("md5", info ? info->verMd5 : std::string());
    param.set("reboot", "1");
    auto provider = TAVOAccountManager::shareInstance()->dataProvider(TAVODataProviderId::Device);
    return provider ? provider->reqData(TAVORequestNumber::RouterUpdateRom, ns::Value(param)) : 0;
}

void TAVORouterRomUpdateListener::startCheckUpdateProgress(const TAVORouterModelPtr& router, const std::string& qt) {
    router_ = router;
    qt_ = qt;
    polling_ = true;
    checkUpdateProgress();
}

std::int32_t TAVORouterRomUpdateListener::checkUpdateProgress() {
    const ns::Dictionary param = routerParam();
    auto provider = TAVOAccountManager::shareInstance()->dataProvider(TAVODataProviderId::Device);
    if (!provider) return 0;
    return provider->reqData(TAVORequestNumber::RouterRomUpdateProgress,
                             param.empty() ? ns::Value() : ns::Value(param));
}

void TAVORouterRomUpdateListener::endCheckUpdateProgress() {
    polling_ = false;
    ns::cancelPreviousPerformRequests(shared_from_this(), kCheckName);
}

void TAVORouterRomUpdateListener::updateAnswered(const TAVOErrorPtr& failure, bool ok) {
    auto keepAlive = shared_from_this();
    std::optional<std::string> err;
    if (!ok) {
        std::string text;
        if (failure && failure->sourceError())
            text = failure->sourceError()->userInfo()["err msg data provider tavo"].stringValue();
        err = text.empty() ? TAVOLocalizedString("request is failed, please try it a later") : text;
    }
    if (auto d = delegate.lock()) d->listenerEventIdErr(*this, 0, err);
}

void TAVORouterRomUpdateListener::progressAnswered(bool ok, const ns::Value& object) {
    auto keepAlive = shared_from_this();
    auto info = ok ? object.as<TAVORouterRomUpdateProgressInfo>() : nullptr;
    if (info) {
        const Reaction reaction = reactionTo(info->status);
        auto d = delegate.lock();
        if (d && reaction == Reaction::Progress) d->listenerProgress(*this, static_cast<float>(info->progress));
        if (d && (reaction == Reaction::Report || reaction == Reaction::ReportAndStop))
            d->listenerWithStatus(*this, info->status);
        if (reaction == Reaction::ReportAndStop) {
            endCheckUpdateProgress();
            return;
        }
    }
    scheduleNext();
}

void TAVORouterRomUpdateListener::scheduleNext() {
    // Only while polling: a late answer after the end, or an answer to
    // someone else's query, must not bring the polling back.
    if (!polling_) return;
    auto self = shared_from_this();
    ns::cancelPreviousPerformRequests(self, kCheckName);
    std::weak_ptr<TAVORouterRomUpdateListener> weak = this->self<TAVORouterRomUpdateListener>();
    ns::performAfterDelay(self, kCheckName, kProgressDelay, [weak] {
        if (auto s = weak.lock()) s->checkUpdateProgress();
    });
}
