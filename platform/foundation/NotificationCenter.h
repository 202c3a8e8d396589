// The notification centre: observers register for a name (empty: any name)
// and a sender (nil: any sender), and a post delivers synchronously on the
// posting thread to every matching registration, once per registration.
//
// Target observers are held weakly: once one is gone nothing more reaches
// it. Block observers get a token that the centre keeps until
// removeObserver(token); ScopedObserver ends a registration when its owner
// goes away. Registrations removed or added while a post is being delivered
// are safe: a removed one receives nothing more, an added one waits for the
// next post.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/foundation/Notification.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

namespace ns {

class OperationQueue;

class NotificationCenter : public Object {
public:
    using Callback = std::function<void(const NotificationPtr&)>;

    static std::shared_ptr<NotificationCenter> defaultCenter();
    static std::shared_ptr<NotificationCenter> create();

    // `observer` is held weakly. A sender given as an object pointer is
    // matched by identity (and never retained); other values by equality.
    void addObserver(const ObjectPtr& observer, Callback callback, const std::string& name,
                     const Value& object = {});
    // Returns the registration's token. With a queue, the block runs as an
    // operation on it and the post waits for it (at once when the poster
    // already runs on that queue); without one, on the posting thread.
    ObjectPtr addObserverForName(const std::string& name, const Value& object,
                                 const std::shared_ptr<OperationQueue>& queue, Callback block);

    // Ends every registration of an observer or a token. Takes a plain
    // pointer so that an observer can call it from its destructor.
    void removeObserver(const Object* observerOrToken);
    void removeObserver(const Object* observerOrToken, const std::string& name, const Value& object = {});
    void removeObserver(const ObjectPtr& observerOrToken) { removeObserver(observerOrToken.get()); }
    void removeObserver(const ObjectPtr& observerOrToken, const std::string& name, const Value& object = {}) {
        removeObserver(observerOrToken.get(), name, object);
    }

    void postNotification(const NotificationPtr& notification);
    void postNotificationName(const std::string& name, const Value& object = {}, const Dictionary& userInfo = {});

    // Live registrations (tests and diagnostics).
    std::size_t registrationCount() const;

private:
    struct Registration;
    NotificationCenter() = default;
    void add(std::shared_ptr<Registration> registration);

    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<Registration>> registrations_;
};

// Ends a block registration when destroyed: an object that owns one keeps
// its registration exactly as long as it lives.
class ScopedObserver {
public:
    ScopedObserver() = default;
    ScopedObserver(std::shared_ptr<NotificationCenter> center, ObjectPtr token);
    ScopedObserver(ScopedObserver&& other) noexcept;
    ScopedObserver& operator=(ScopedObserver&& other) noexcept;
    ScopedObserver(const ScopedObserver&) = delete;
    ScopedObserver& operator=(const ScopedObserver&) = delete;
    ~ScopedObserver();

    void reset();
    const ObjectPtr& token() const { return token_; }

private:
    std::weak_ptr<NotificationCenter> center_;
    ObjectPtr token_;
};

}  // namespace ns
