#include "protocol/records/TAVOGetAccelerateDeviceParser.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVOGetAccelerateDeviceParser::parserVData(const ns::Value& vdata) {
    if (!vdata.isDictionary()) return true;
    if (std::string mac = R::text(vdata, "mac"); !mac.empty()) dataInfo = ns::Value(mac);
    return true;
}
