#include "protocol/requests/TAVOTolerantEnvelopeParser.h"

#include "net/json/TinyJson.h"
#include "platform/foundation/Utf16.h"
#include "protocol/requests/TAVOHttpDataParser.h"

void TAVOTolerantEnvelopeParser::parseNewData(const ns::Data& data) {
    const std::string text(reinterpret_cast<const char*>(data.bytes()), data.length());
    if (text.empty() || !ns::utf16::isValidUtf8(text)) return;
    const ns::Value json = JSONValue(text);
    if (!json.isDictionary() || json["errcode"].intValue() == 0) return;
    // A real error envelope: read it as every other reply is read.
    auto envelope = TAVOHttpDataParser::create();
    try {
        envelope->parseNewData(data);
    } catch (const std::exception&) {
        return;
    }
    errorInfo = envelope->errorInfo;
}
