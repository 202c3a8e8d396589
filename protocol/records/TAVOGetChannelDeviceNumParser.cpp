#include "protocol/records/TAVOGetChannelDeviceNumParser.h"

#include "protocol/records/TAVOChannelInfo.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVOGetChannelDeviceNumParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) dataInfo = ns::Value(TAVOChannelInfo::fromDeviceNumbers(vdata));
    return true;
}
