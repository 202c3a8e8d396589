#include "platform/foundation/NotificationCenter.h"

#include <algorithm>

#include "platform/foundation/BlockOperation.h"
#include "platform/foundation/OperationQueue.h"
#include "platform/foundation/Singleton.h"

namespace ns {

namespace {

// What a block registration hands back: only its identity matters.
class NotificationObserverToken : public Object {
public:
    std::string className() const override { return "__NSObserver"; }
};

}  // namespace

struct NotificationCenter::Registration {
    const Object* observerKey = nullptr;  // the observer or the token
    std::weak_ptr<Object> observer;       // target observers (weak)
    ObjectPtr token;                      // block observers (kept until removed)
    std::string name;                     // empty: any name
    // The sender filter: an object by identity, another value by equality, or nil.
    const Object* senderKey = nullptr;
    std::weak_ptr<Object> sender;
    Value senderValue;
    Callback callback;
    std::shared_ptr<OperationQueue> queue;
    std::atomic<bool> active{true};

    void setSender(const Value& object) {
        if (auto o = object.asObject()) {
            senderKey = o.get();
            sender = o;
        } else {
            senderValue = object;
        }
    }
    bool sameSender(const Value& object) const {
        if (senderKey) return object.asObject().get() == senderKey;
        return senderValue.isEqual(object);
    }
    bool matches(const Notification& note) const {
        if (!name.empty() && name != note.name()) return false;
        if (senderKey) {
            // A sender that has gone cannot have posted; its address may be reused.
            return !sender.expired() && note.object().asObject().get() == senderKey;
        }
        return senderValue.isNil() || senderValue.isEqual(note.object());
    }
};

std::shared_ptr<NotificationCenter> NotificationCenter::defaultCenter() {
    return Singleton<NotificationCenter>::get();
}

std::shared_ptr<NotificationCenter> NotificationCenter::create() {
    return std::shared_ptr<NotificationCenter>(new NotificationCenter());
}

void NotificationCenter::add(std::shared_ptr<Registration> registration) {
    std::lock_guard<std::mutex> lock(mutex_);
    // Drop registrations whose target observer has gone.
    registrations_.erase(std::remove_if(registrations_.begin(), registrations_.end(),
                                        [](const auto& r) {
                                            return !r->token && r->observer.expired();
                                        }),
                         registrations_.end());
    registrations_.push_back(std::move(registration));
}

void NotificationCenter::addObserver(const ObjectPtr& observer, Callback callback, const std::string& name,
                                     const Value& object) {
    if (!observer || !callback) return;
    auto r = std::make_shared<Registration>();
    r->observerKey = observer.get();
    r->observer = observer;
    r->name = name;
    r->setSender(object);
    r->callback = std::move(callback);
    add(std::move(r));
}

ObjectPtr NotificationCenter::addObserverForName(const std::string& name, const Value& object,
                                                 const std::shared_ptr<OperationQueue>& queue, Callback block) {
    if (!block) return nullptr;
    auto token = std::make_shared<NotificationObserverToken>();
    auto r = std::make_shared<Registration>();
    r->observerKey = token.get();
    r->token = token;
    r->name = name;
    r->setSender(object);
    r->callback = std::move(block);
    r->queue = queue;
    add(std::move(r));
    return token;
}

void NotificationCenter::removeObserver(const Object* observerOrToken) {
    if (!observerOrToken) return;
    std::vector<std::shared_ptr<Registration>> removed;  // released outside the lock
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = registrations_.begin(); it != registrations_.end();) {
        if ((*it)->observerKey == observerOrToken) {
            (*it)->active = false;
            removed.push_back(std::move(*it));
            it = registrations_.erase(it);
        } else {
            ++it;
        }
    }
}

void NotificationCenter::removeObserver(const Object* observerOrToken, const std::string& name,
                                        const Value& object) {
    if (!observerOrToken) return;
    std::vector<std::shared_ptr<Registration>> removed;
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = registrations_.begin(); it != registrations_.end();) {
        const auto& r = *it;
        bool nameMatches = name.empty() || r->name == name;
        bool senderMatches = object.isNil() || r->sameSender(object);
        if (r->observerKey == observerOrToken && nameMatches && senderMatches) {
            r->active = false;
            removed.push_back(std::move(*it));
            it = registrations_.erase(it);
        } else {
            ++it;
        }
    }
}

void NotificationCenter::postNotification(const NotificationPtr& notification) {
    if (!notification) return;
    std::vector<std::shared_ptr<Registration>> snapshot;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        snapshot = registrations_;
    }
    for (const auto& r : snapshot) {
        if (!r->active || !r->matches(*notification)) continue;
        ObjectPtr keepObserver;
        if (!r->token) {
            keepObserver = r->observer.lock();  // alive for the whole callback
            if (!keepObserver) continue;
        }
        if (r->queue && r->queue != OperationQueue::currentQueue()) {
            auto callback = r->callback;
            r->queue->addOperations({BlockOperation::create([callback, notification] { callback(notification); })},
                                    true);
        } else {
            r->callback(notification);
        }
    }
}

void NotificationCenter::postNotificationName(const std::string& name, const Value& object,
                                              const Dictionary& userInfo) {
    postNotification(Notification::create(name, object, userInfo));
}

std::size_t NotificationCenter::registrationCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<std::size_t>(std::count_if(registrations_.begin(), registrations_.end(), [](const auto& r) {
        return r->token || !r->observer.expired();
    }));
}

ScopedObserver::ScopedObserver(std::shared_ptr<NotificationCenter> center, ObjectPtr token)
    : center_(center), token_(std::move(token)) {}

ScopedObserver::ScopedObserver(ScopedObserver&& other) noexcept
    : center_(std::move(other.center_)), token_(std::move(other.token_)) {}

ScopedObserver& ScopedObserver::operator=(ScopedObserver&& other) noexcept {
    if (this != &other) {
        reset();
        center_ = std::move(other.center_);
        token_ = std::move(other.token_);
    }
    return *this;
}

ScopedObserver::~ScopedObserver() { reset(); }

void ScopedObserver::reset() {
    if (token_) {
        if (auto center = center_.lock()) center->removeObserver(token_.get());
    }
    token_.reset();
    center_.reset();
}

}  // namespace ns
