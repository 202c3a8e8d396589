// The device: system version, model and the vendor identifier, all
// settable by tests.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"

namespace ui {

enum class DeviceOrientation { Unknown, Portrait, PortraitUpsideDown, LandscapeLeft, LandscapeRight, FaceUp, FaceDown };
enum class InterfaceOrientation { Portrait = 1, PortraitUpsideDown = 2, LandscapeRight = 3, LandscapeLeft = 4 };

class Device : public ns::Object {
public:
    static std::shared_ptr<Device> create() { return std::make_shared<Device>(); }
    static std::shared_ptr<Device> currentDevice();

    std::string systemName = "iPhone OS";
    std::string systemVersion = "7.1";
    std::string model = "iPhone";
    std::string localizedModel = "iPhone";
    std::string name = "Keelbox iPhone";
    // A fixed identifier per device, in the platform's UUID text form.
    std::string identifierForVendor = "5A3C1E2B-7D4F-4E8A-9B6C-0D1E2F3A4B5C";
    DeviceOrientation orientation = DeviceOrientation::Portrait;
    int userInterfaceIdiom = 0;  // phone
};

}  // namespace ui
