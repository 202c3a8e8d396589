#include "protocol/records/TAVOChannelInfo.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVOChannelInfo> TAVOChannelInfo::fromDeviceNumbers(const ns::Value& vdata) {
    auto info = create();
    info->channelDeviceNumFor24G = R::integer(vdata, "2.4G");
    info->channelDeviceNumFor50G = R::integer(vdata, "5G");
    return info;
}

std::shared_ptr<TAVOChannelInfo> TAVOChannelInfo::fromChannelQuality(const ns::Value& vdata) {
    auto info = create();
    info->currentChannelIndexFor24G = R::integer(vdata, "channel_2.4G");
    info->currentChannelIndexFor50G = R::integer(vdata, "channel_5G");
    info->channelQualityFor24G = R::integer(vdata, "quality_2.4G");
    info->channelQualityFor50G = R::integer(vdata, "quality_5G");
    return info;
}

std::string TAVOChannelInfo::description() const {
    return ns::format(
        "channelDeviceNumFor24G = %d, channelDeviceNumFor50G = %d, currentChannelIndexFor24G = %d, currentChannelIndexFor50G = %d, "
        "channelQualityFor24G = %d, channelQualityFor50G = %d",
        channelDeviceNumFor24G, channelDeviceNumFor50G, currentChannelIndexFor24G, currentChannelIndexFor50G,
        channelQualityFor24G, channelQualityFor50G);
}
