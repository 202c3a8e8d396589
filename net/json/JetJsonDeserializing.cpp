#include "net/json/JetJsonDeserializing.h"

#include "net/json/JSONDecoder.h"

namespace {

const char* bytesOf(std::string_view text) { return text.data() ? text.data() : ""; }

// A decoder whose cache spans one document, as if made for this call alone:
// each thread keeps one per option set and empties its cache after every
// call, which spares allocating a decoder's state for every document.
JSONDecoder& decoderForCall(unsigned options) {
    thread_local std::shared_ptr<JSONDecoder> decoders[kJTParseOptionValidFlags + 1];
    if (options > kJTParseOptionValidFlags) JSONDecoder::decoderWithParseOptions(options);  // raises
    auto& slot = decoders[options];
    if (!slot) slot = JSONDecoder::decoderWithParseOptions(options);
    return *slot;
}

struct CacheClearer {
    JSONDecoder& decoder;
    ~CacheClearer() { decoder.clearCache(); }
};

}  // namespace

ns::Value objectFromJSONString(std::string_view text) {
    return objectFromJSONStringWithParseOptions(text, kJTParseOptionStrict);
}

ns::Value objectFromJSONStringWithParseOptions(std::string_view text, unsigned options, ns::ErrorPtr* error) {
    JSONDecoder& decoder = decoderForCall(options);
    CacheClearer clear{decoder};
    return decoder.objectWithUTF8String(bytesOf(text), text.size(), error);
}

ns::Value mutableObjectFromJSONString(std::string_view text) {
    return mutableObjectFromJSONStringWithParseOptions(text, kJTParseOptionStrict);
}

ns::Value mutableObjectFromJSONStringWithParseOptions(std::string_view text, unsigned options, ns::ErrorPtr* error) {
    JSONDecoder& decoder = decoderForCall(options);
    CacheClearer clear{decoder};
    return decoder.mutableObjectWithUTF8String(bytesOf(text), text.size(), error);
}

ns::Value objectFromJSONData(const ns::Data& data) { return objectFromJSONDataWithParseOptions(data, 0); }

ns::Value objectFromJSONDataWithParseOptions(const ns::Data& data, unsigned options, ns::ErrorPtr* error) {
    JSONDecoder& decoder = decoderForCall(options);
    CacheClearer clear{decoder};
    return decoder.objectWithData(data, error);
}

ns::Value mutableObjectFromJSONData(const ns::Data& data) { return mutableObjectFromJSONDataWithParseOptions(data, 0); }

ns::Value mutableObjectFromJSONDataWithParseOptions(const ns::Data& data, unsigned options, ns::ErrorPtr* error) {
    JSONDecoder& decoder = decoderForCall(options);
    CacheClearer clear{decoder};
    return decoder.mutableObjectWithData(data, error);
}
