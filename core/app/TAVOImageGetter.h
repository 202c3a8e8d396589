// Images and names for codes: Wi-Fi channel quality levels, WAN fault codes,
// device types and models, and the name to show for a device. A missing
// image is nullptr.
#pragma once

#include <memory>
#include <string>

#include "core/app/TAVODeviceNameFields.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

namespace ui {
class Image;
}

class TAVOImageGetter : public ns::Object {
public:
    using ImagePtr = std::shared_ptr<ui::Image>;

    static std::shared_ptr<TAVOImageGetter> shareInstance();
    static std::shared_ptr<TAVOImageGetter> create();

    // Levels 1 (full signal) to 5 (none); any other level nullptr.
    static ImagePtr imageForChannelQualityLevel(int level);
    static ImagePtr imageForBreakdownError(int code);
    // 0 phone, 1 pad, 2 computer; the grey variant when not enabled.
    static ImagePtr getDeviceIconByType(int type, bool enabled);
    static ImagePtr getDeviceIconByType(int type) { return getDeviceIconByType(type, true); }
    // The model icon of the device-model table for 1001, else the phone icon.
    static ImagePtr getDeviceModelIconById(int modelId);
    static std::string getShowNameFromDevice(const TAVODeviceNameFields& device);

    // The device-model table read from the bundle's "devicematchment.plist".
    const ns::Array& deviceMathmentArray() const { return deviceMathmentArray_; }

private:
    TAVOImageGetter() = default;
    ns::Array deviceMathmentArray_;
};
