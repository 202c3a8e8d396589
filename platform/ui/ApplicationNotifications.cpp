#include "platform/ui/ApplicationNotifications.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"

namespace ui {

void postApplicationNotification(const std::string& name, const ns::Dictionary& userInfo) {
    ns::NotificationCenter::defaultCenter()->postNotificationName(name, ns::Value(Application::existing()), userInfo);
}

}  // namespace ui
