#include "protocol/commands/TAVOGetWiFiTimeParser.h"

#include "protocol/records/TAVOWIFITime.h"

ns::Value TAVOGetWiFiTimeParser::parseResult(const ns::Value& vdata) {
    if (!vdata.isDictionary()) return ns::Value();
    return ns::Value(TAVOWIFITime::initWithDictionary(vdata));
}
