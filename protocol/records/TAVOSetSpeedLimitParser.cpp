#include "protocol/records/TAVOSetSpeedLimitParser.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVOSetSpeedLimitParser::parserVData(const ns::Value& vdata) {
    (void)vdata;
    return true;
}
