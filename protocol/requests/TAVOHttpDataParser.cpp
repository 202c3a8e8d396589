#include "protocol/requests/TAVOHttpDataParser.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/errors/TAVOErrorSystemManager.h"
#include "core/errors/TAVORouterErrorUtility.h"
#include "net/json/TinyJson.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/Utf16.h"
#include "protocol/records/TAVOReplyReader.h"

void TAVOHttpDataParser::parseNewData(const ns::Data& data) {
    auto errors = TAVOErrorSystemManager::sharedManager();
    if (data.length() > kMaxReplyLength)
        errorInfo = errors->getErrorOfType(TAVOErrorTypeParse, 300004,
                                           TAVOLocalizedString("architecture error respose too large"));
    const std::string_view text(reinterpret_cast<const char*>(data.bytes()), data.length());
    // The JSON reader refuses text that is not UTF-8 itself, so the body is
    // checked again only when it is not JSON, before looking for the block page.
    ns::Value json = text.empty() ? ns::Value() : JSONValue(text);
    if (json.isNil()) {
        // Replaces a size error: what the body is matters more than its length.
        const bool utf8 = !text.empty() && ns::utf16::isValidUtf8(text);
        errorInfo = utf8 ? getSpecificHtmlError(std::string(text)) : nullptr;
        if (!errorInfo)
            errorInfo = errors->getErrorOfType(TAVOErrorTypeParse, 300002, TAVOLocalizedString("architecture error json invalid"));
        return;
    }
    // A reply that is JSON but not an object cannot answer the key lookup.
    const ns::Value& errcodeValue = TAVOReplyReader::lookup(json, "errcode");
    const int errcode = errcodeValue.intValue();
    if (errcode == 0) {
        parserVData(json["vdata"]);
        return;
    }
    std::string message;
    if (errcode == -1010) {
        message = wrongPasswordMessage(json["vdata"]);
    } else if (const ns::Value& desc = json["errdesc"]; desc.isString()) {
        message = desc.asString();
    }
    auto source = ns::Error::create(message.empty() ? "server error" : message, errcode);
    errorInfo = errors->transferRouterError(source);
}

std::string TAVOHttpDataParser::wrongPasswordMessage(const ns::Value& vdata) {
    const int failed = TAVOReplyReader::lookup(vdata, "count").intValue();
    return ns::format("%@, %@", TAVOLocalizedString("psw is wrong"),
                      ns::format(TAVOLocalizedString("still have %d time to try"), 5 - failed));
}

TAVOErrorPtr TAVOHttpDataParser::getSpecificHtmlError(const std::string& text) const {
    if (text.find("路由器开启了防蹭网功能") == std::string::npos || text.find("不能上网") == std::string::npos) return nullptr;
    return TAVOErrorSystemManager::sharedManager()->getErrorOfType(
        TAVOErrorTypeParse, 100007, TAVOLocalizedString("netpermit has opened, cann't join the network"));
}

bool TAVOHttpDataParser::parserVData(const ns::Value& vdata) {
    dataInfo = vdata;
    return false;
}

// The fault table's text, which falls back to "unknown error:<code>": a code
// without a text of its own still tells the user which code it was.
std::string TAVOHttpDataParser::textForError(int code) const { return TAVORouterErrorUtility::textDescForBreakdownError(code); }
