#include "protocol/records/TAVOGetChannelQualityRequestParser.h"

#include "protocol/records/TAVOChannelInfo.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVOGetChannelQualityRequestParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) dataInfo = ns::Value(TAVOChannelInfo::fromChannelQuality(vdata));
    return true;
}
