#include "protocol/records/TAVOWifiPwdStrengthParser.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVOWifiPwdStrengthParser::parserVData(const ns::Value& vdata) {
    if (!vdata.isDictionary()) return true;
    const ns::Value& twoG = vdata["type"];
    const ns::Value& fiveG = vdata["type_5g"];
    dataInfo = (!fiveG.isNil() && fiveG.intValue() < twoG.intValue()) ? fiveG : twoG;
    return true;
}
