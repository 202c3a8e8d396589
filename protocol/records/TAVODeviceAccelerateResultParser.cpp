#include "protocol/records/TAVODeviceAccelerateResultParser.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVODeviceAccelerateResultParser::parserVData(const ns::Value& vdata) {
    if (!vdata.isDictionary()) return true;
    const int status = R::integer(vdata, "status");
    if (status == 0) {
        dataInfo = vdata["status"];
        return true;
    }
    const std::string message = textForError(-1);
    auto source = ns::Error::create("domain tavo", -1, ns::Dictionary{{"err msg data provider tavo", message}});
    errorInfo = TAVOError::errorWithType(TAVOErrorTypeRouter, -1, message, source);
    return true;
}
