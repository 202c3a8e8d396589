#include "protocol/records/TAVOGetChannelPromotionResultParser.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVOGetChannelPromotionResultParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) dataInfo = vdata;
    return true;
}
