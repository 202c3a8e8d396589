#include "protocol/records/TAVORouterUpdateAdminPwdResultParser.h"

#include "core/app/TAVOLocalizedString.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVORouterUpdateAdminPwdResultParser::parserVData(const ns::Value& vdata) {
    if (!vdata.isDictionary()) return true;
    const int code = R::integer(vdata, "type");
    if (code == 0) {
        dataInfo = vdata;
        return true;
    }
    const std::string message = textForError(code);
    auto source = ns::Error::create("domain tavo", code, ns::Dictionary{{"err msg data provider tavo", message}});
    errorInfo = TAVOError::errorWithType(TAVOErrorTypeRouter, code, message, source);
    return true;
}

std::string TAVORouterUpdateAdminPwdResultParser::textForError(int code) const {
    if (code == -9) return TAVOLocalizedString("old pwd is wrong");
    if (code == -2) return TAVOLocalizedString("param is not right");
    return TAVOHttpDataParser::textForError(code);
}
