#include "protocol/records/TAVOCancelSpeedLimitParser.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVOCancelSpeedLimitParser::parserVData(const ns::Value& vdata) {
    (void)vdata;
    return true;
}
