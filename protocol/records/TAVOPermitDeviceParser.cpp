#include "protocol/records/TAVOPermitDeviceParser.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVOPermitDeviceParser::parserVData(const ns::Value& vdata) {
    dataInfo = ns::Value(R::lookup(vdata, "is_online").intValue());
    return true;
}
