// A button that acts on one device: it carries the device record it was
// made for.
#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "protocol/records/TAVORouterJoiningDevice.h"

class UIButtonWithDevice : public ui::Button {
public:
    using ui::Button::Button;
    static std::shared_ptr<UIButtonWithDevice> create(const cg::Rect& frame = {}) {
        return make<UIButtonWithDevice>(frame);
    }

    TAVORouterJoiningDevicePtr device;
};
