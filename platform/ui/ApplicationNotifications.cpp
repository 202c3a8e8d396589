#include "platform/ui/ApplicationNotifications.h"

#include "platform/ui/KeyboardNotifications.h"

namespace ui {

// TEMPORARY: posting waits for the shared notification centre; until it
// lands these notifications reach nobody.
void postApplicationNotification(const std::string&, const ns::Value&) {}

void postKeyboardNotifications(bool) {}

}  // namespace ui
