#include "protocol/records/TAVORouterAdminPwdSafetyResultParser.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVORouterAdminPwdSafetyResultParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) dataInfo = vdata["type"];
    return true;
}
