// Accelerating a device or cancelling it: "status" 0 is success, any other
// status fails with a router-type error of code -1 and an empty message.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVODeviceAccelerateResultParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVODeviceAccelerateResultParser> create() { return std::shared_ptr<TAVODeviceAccelerateResultParser>(new TAVODeviceAccelerateResultParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string textForError(int) const override { return ""; }
    std::string className() const override { return "TAVODeviceAccelerateResultParser"; }

protected:
    TAVODeviceAccelerateResultParser() = default;
};
