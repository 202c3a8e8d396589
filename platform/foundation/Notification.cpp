#include "platform/foundation/Notification.h"

namespace ns {

std::shared_ptr<Notification> Notification::create(std::string name, Value object, Dictionary userInfo) {
    auto notification = std::shared_ptr<Notification>(new Notification());
    notification->name_ = std::move(name);
    notification->object_ = std::move(object);
    notification->userInfo_ = std::move(userInfo);
    return notification;
}

std::string Notification::description() const {
    return "NSConcreteNotification {name = " + name_ + "; object = " + object_.description() + "}";
}

}  // namespace ns
