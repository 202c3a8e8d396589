#include "management/engines/TAVOOptEngine.h"

#include "management/engines/TAVORouterOptConfig.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/records/TAVODGBaseDiagnoseItem.h"
#include "protocol/requests/catalogue/TAVORouterDiagnoseFixRequest.h"
#include "protocol/requests/catalogue/TAVORouterDiagnoseRequest.h"

namespace {

int idOf(const std::string& text) { return ns::Value(text).intValue(); }

// The bit position of a single-bit id: how often it halves while above 1.
std::string bitPosition(int id) {
    int n = 0;
    while (id > 1) {
        id /= 2;
        ++n;
    }
    return std::to_string(n);
}

}  // namespace

std::shared_ptr<TAVOOptEngine> TAVOOptEngine::create() { return std::shared_ptr<TAVOOptEngine>(new TAVOOptEngine()); }

TAVOOptEngine::~TAVOOptEngine() { ns::NotificationCenter::defaultCenter()->removeObserver(this); }

std::int32_t TAVOOptEngine::send(TAVORequestNumber number, const char* key, const std::string& value) {
    auto facade = TAVOAccountManager::shareInstance();
    ns::Dictionary param = facade->createQtAndRouterIdDic().asDictionary();
    param.set(key, value);
    auto provider = facade->dataProvider(TAVODataProviderId::Device);
    isRequesting_ = true;
    return provider ? provider->reqData(number, ns::Value(param)) : 0;
}

void TAVOOptEngine::observe(bool fixing) {
    auto complete = [this, fixing](bool ok, const ns::Value& object) {
        if (!isRequesting_) return;
        isRequesting_ = false;
        auto keepAlive = shared_from_this();
        if (fixing)
            completeOneFixRequest(ok, object);
        else
            completeOneCheckRequest(ok, object);
    };
    auto succeeded = [complete](const ns::Value& result, const ns::Dictionary&) { complete(true, result); };
    // A failed answer only counts as "not usable": its error is not read.
    auto failed = [complete](const TAVOErrorPtr&, const ns::Dictionary&) { complete(false, {}); };
    auto self = shared_from_this();
    if (fixing)
        TAVORequestAnswers::listen<TAVORouterDiagnoseFixRequest>(self, succeeded, failed);
    else
        TAVORequestAnswers::listen<TAVORouterDiagnoseRequest>(self, succeeded, failed);
}

void TAVOOptEngine::stopObserving() { ns::NotificationCenter::defaultCenter()->removeObserver(this); }

std::optional<int> TAVOOptEngine::usableState(bool ok, const ns::Value& object) {
    if (!ok || !object.isArray() || object.count() == 0) return std::nullopt;
    auto item = object.asArray().front().as<TAVODGBaseDiagnoseItem>();
    if (!item) return std::nullopt;
    return item->state;
}

// --- Check -----------------------------------------------------------------------

void TAVOOptEngine::startCheck() {
    hasChecked_ = true;
    isFail_ = true;
    unOptOperationItems_.clear();
    optedItems_.clear();
    needToOptItems_.clear();
    needToCheckItems_ = TAVORouterOptConfig::defaultCheckSetting();
    currentScore_ = TAVORouterOptConfig::scoreBasedOn();
    if (auto d = delegate.lock()) d->notityCheckingStart(currentScore_);
    stopObserving();
    observe(false);
    (void)checkRouterHealthy();  // the answer (or the refusal) arrives as a notification
}

std::int32_t TAVOOptEngine::checkRouterHealthy() {
    if (needToCheckItems_.empty()) return TAVOAccountManager::kNothingSent;
    return send(TAVORequestNumber::RouterDiagnose, "tasks", needToCheckItems_.front());
}

void TAVOOptEngine::completeOneCheckRequest(bool ok, const ns::Value& object) {
    if (!needToCheckItems_.empty()) {
        const std::string head = needToCheckItems_.front();
        needToCheckItems_.erase(needToCheckItems_.begin());
        const auto state = usableState(ok, object);
        if (state && *state != -1) isFail_ = false;
        const bool passes = state && (*state == 0 || (head == "1" && *state == 1));
        if (passes) {
            currentScore_ += TAVORouterOptConfig::scoreById(idOf(head));
            optedItems_.push_back(head);
        } else {
            unOptOperationItems_.push_back(head);
        }
    }
    if (!needToCheckItems_.empty()) {
        if (auto d = delegate.lock()) d->notityCheckingUpdate(currentScore_);
        (void)checkRouterHealthy();
        return;
    }
    stopObserving();
    needToOptItems_ = unOptOperationItems_;
    if (auto d = delegate.lock()) d->notityCheckingEnd(currentScore_, isFail_);
}

// --- Fix -------------------------------------------------------------------------

void TAVOOptEngine::startFixing() {
    isFail_ = true;
    unOptOperationItems_ = needToOptItems_;
    needToOptItems_.clear();
    lastFixItem_.reset();
    if (auto d = delegate.lock()) d->notityFixingStart(createItemUINeeded());
    stopObserving();
    observe(true);
    (void)fixRouterHealthy();  // the answer (or the refusal) arrives as a notification
}

std::int32_t TAVOOptEngine::fixRouterHealthy() {
    if (unOptOperationItems_.empty()) {
        // Nothing to fix: the run ends at once, as after a failed answer.
        auto keepAlive = shared_from_this();
        completeOneFixRequest(false, {});
        return TAVOAccountManager::kNothingSent;
    }
    return send(TAVORequestNumber::RouterDiagnoseFix, "task", bitPosition(idOf(unOptOperationItems_.front())));
}

void TAVOOptEngine::completeOneFixRequest(bool ok, const ns::Value& object) {
    const auto state = usableState(ok, object);
    if (unOptOperationItems_.empty()) {
        lastFixItem_.reset();
    } else {
        const std::string head = unOptOperationItems_.front();
        unOptOperationItems_.erase(unOptOperationItems_.begin());
        const bool fixed = state && *state == 0;
        lastFixItem_ = TAVOFixItem::create(fixed ? TAVOFixItem::Fixed : TAVOFixItem::NotFixed, idOf(head));
        if (fixed) {
            currentScore_ += TAVORouterOptConfig::scoreById(idOf(head));
            optedItems_.push_back(head);
        } else {
            needToOptItems_.push_back(head);
        }
        if (state) isFail_ = false;
    }
    if (!unOptOperationItems_.empty()) {
        if (auto d = delegate.lock()) d->notityFixingUpdate(createItemUINeeded());
        (void)fixRouterHealthy();
        return;
    }
    stopObserving();
    if (auto d = delegate.lock()) d->notityFixingEnd(currentScore_, isFail_);
}

int TAVOOptEngine::calcCurrentScore() {
    int score = 100;
    for (const auto& id : needToOptItems_) score -= TAVORouterOptConfig::scoreById(idOf(id));
    currentScore_ = score;
    return score;
}

std::vector<TAVOFixItemPtr> TAVOOptEngine::createItemUINeeded() const {
    std::vector<TAVOFixItemPtr> rows;
    if (unOptOperationItems_.size() >= 2)
        rows.push_back(TAVOFixItem::create(TAVOFixItem::Waiting, idOf(unOptOperationItems_[1])));
    else
        rows.push_back(TAVOFixItem::empty());
    if (!unOptOperationItems_.empty())
        rows.push_back(TAVOFixItem::create(TAVOFixItem::Fixing, idOf(unOptOperationItems_[0])));
    rows.push_back(lastFixItem_ ? lastFixItem_ : TAVOFixItem::empty());
    return rows;
}
