#include "net/json/JetJsonDeserializing.h"

#include "net/json/JSONDecoder.h"

namespace {
const char* bytesOf(std::string_view text) { return text.data() ? text.data() : ""; }
}  // namespace

ns::Value objectFromJSONString(std::string_view text) {
    return objectFromJSONStringWithParseOptions(text, kJTParseOptionStrict);
}

ns::Value objectFromJSONStringWithParseOptions(std::string_view text, unsigned options, ns::ErrorPtr* error) {
    return JSONDecoder::decoderWithParseOptions(options)->objectWithUTF8String(bytesOf(text), text.size(), error);
}

ns::Value mutableObjectFromJSONString(std::string_view text) {
    return mutableObjectFromJSONStringWithParseOptions(text, kJTParseOptionStrict);
}

ns::Value mutableObjectFromJSONStringWithParseOptions(std::string_view text, unsigned options, ns::ErrorPtr* error) {
    return JSONDecoder::decoderWithParseOptions(options)->mutableObjectWithUTF8String(bytesOf(text), text.size(),
                                                                                       error);
}

ns::Value objectFromJSONData(const ns::Data& data) { return objectFromJSONDataWithParseOptions(data, 0); }

ns::Value objectFromJSONDataWithParseOptions(const ns::Data& data, unsigned options, ns::ErrorPtr* error) {
    return JSONDecoder::decoderWithParseOptions(options)->objectWithData(data, error);
}

ns::Value mutableObjectFromJSONData(const ns::Data& data) { return mutableObjectFromJSONDataWithParseOptions(data, 0); }

ns::Value mutableObjectFromJSONDataWithParseOptions(const ns::Data& data, unsigned options, ns::ErrorPtr* error) {
    return JSONDecoder::decoderWithParseOptions(options)->mutableObjectWithData(data, error);
}
