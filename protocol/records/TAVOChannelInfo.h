// Radio channel figures: devices heard per band (one reply), or the current
// channel and its quality per band (another reply). Each reply makes its own
// record, so the other reply's fields stay 0.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVOChannelInfo : public ns::Object {
public:
    static std::shared_ptr<TAVOChannelInfo> create() { return std::shared_ptr<TAVOChannelInfo>(new TAVOChannelInfo()); }
    // Throw TAVOReplyShapeError when a value is neither a number nor text.
    static std::shared_ptr<TAVOChannelInfo> fromDeviceNumbers(const ns::Value& vdata);
    static std::shared_ptr<TAVOChannelInfo> fromChannelQuality(const ns::Value& vdata);

    int channelDeviceNumFor24G = 0;
    int channelDeviceNumFor50G = 0;
    int currentChannelIndexFor24G = 0;
    int currentChannelIndexFor50G = 0;
    int channelQualityFor24G = 0;
    int channelQualityFor50G = 0;

    std::string className() const override { return "TAVOChannelInfo"; }
    std::string description() const override;

protected:
    TAVOChannelInfo() = default;
};
