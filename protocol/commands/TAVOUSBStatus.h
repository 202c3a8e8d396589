// The state of the router's USB disk: status 0 no disk, 1 ready, 2 found and
// still being read; the sizes are numbers of KiB as text.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"

class TAVOUSBStatus : public ns::Object {
public:
    static std::shared_ptr<TAVOUSBStatus> create() { return std::shared_ptr<TAVOUSBStatus>(new TAVOUSBStatus()); }

    int status = 0;
    std::string manufacturer;
    std::string product;
    std::string usb_path;
    std::string usb_total;
    std::string usb_used;
    std::string usb_free;

    std::string className() const override { return "TAVOUSBStatus"; }

protected:
    TAVOUSBStatus() = default;
};

using TAVOUSBStatusPtr = std::shared_ptr<TAVOUSBStatus>;
