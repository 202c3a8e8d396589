#include "protocol/records/TAVOUpdateWifiPwdResultParser.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVOUpdateWifiPwdResultParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) dataInfo = vdata["status"];
    return true;
}
