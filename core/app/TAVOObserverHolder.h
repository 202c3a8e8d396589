// One block registration with the default notification centre, tied to the
// lifetime of the holder: freeing the holder ends the registration.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"

class TAVOObserverHolder : public ns::Object {
public:
    // nullptr when the name is empty or there is no token.
    static std::shared_ptr<TAVOObserverHolder> observerHolderForNotification(const std::string& name,
                                                                             const ns::ObjectPtr& object,
                                                                             const ns::ObjectPtr& observer);
    ~TAVOObserverHolder() override;

    const std::string& notification() const { return notification_; }
    // The sender the registration is limited to; nullptr when it was nil or
    // has been freed since.
    ns::ObjectPtr object() const { return object_.lock(); }
    // The sender's address as it was, kept only to tell a registration for
    // any sender apart from one whose sender has since been freed.
    std::uintptr_t unsafeObject() const { return unsafeObject_; }
    ns::ObjectPtr observer() const { return observer_.lock(); }

private:
    TAVOObserverHolder() = default;
    std::string notification_;
    std::weak_ptr<ns::Object> object_;
    std::uintptr_t unsafeObject_ = 0;
    std::weak_ptr<ns::Object> observer_;
};
