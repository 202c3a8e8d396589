#include "platform/ui/Device.h"

#include "platform/foundation/Singleton.h"

namespace ui {

std::shared_ptr<Device> Device::currentDevice() { return ns::Singleton<Device>::get(); }

}  // namespace ui
