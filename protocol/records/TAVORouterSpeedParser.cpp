#include "protocol/records/TAVORouterSpeedParser.h"

#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVORouterTestSpeed.h"

namespace R = TAVOReplyReader;

bool TAVORouterSpeedParser::parserVData(const ns::Value& vdata) {
    const ns::Value* value = &R::lookup(vdata, "bands");
    if (value->isNil()) value = &R::lookup(vdata, "band");
    if (value->isArray()) {
        dataInfo = *value;
    } else if (value->isNumber()) {
        dataInfo = ns::Value(TAVORouterTestSpeed::initWithSpeed(value->intValue(), R::lookup(param, "type").intValue()));
    }
    return true;
}
