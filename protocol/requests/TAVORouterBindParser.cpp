#include "protocol/requests/TAVORouterBindParser.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/records/TAVORouterModel.h"
#include "net/json/TinyJson.h"
#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVOReplyShapeError.h"

void TAVORouterBindParser::parseNewData(const ns::Data& data) {
    const std::string_view text(reinterpret_cast<const char*>(data.bytes()), data.length());
    ns::Value json = text.empty() ? ns::Value() : JSONValue(text);
    if (json.isNil()) throw TAVOReplyShapeError("InvalidResponse: Invalid JSON string in Response");
    const int errcode = TAVOReplyReader::lookup(json, "errcode").intValue();
    if (errcode == 0) {
        parserVData(json["vdata"]);
        return;
    }
    std::string message;
    if (const ns::Value& desc = json["errdesc"]; desc.isString() && !desc.asString().empty())
        message = desc.asString();
    else if (errcode == -1018)
        message = TAVOLocalizedString("account is locked");
    else if (errcode == -1010)
        message = wrongPasswordMessage(json["vdata"]);
    else
        message = textForError(errcode);
    auto source = ns::Error::create("domain tavo", errcode, ns::Dictionary{{"err msg data provider tavo", message}});
    errorInfo = TAVOError::errorWithType(TAVOErrorTypeRouter, errcode, message, source);
}

bool TAVORouterBindParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) {
        try {
            dataInfo = ns::Value(TAVORouterModel::initWithDictionary(vdata));
        } catch (const TAVORouterModel::InvalidRecord& e) {
            throw TAVOReplyShapeError(e.what());
        }
    }
    return true;
}
