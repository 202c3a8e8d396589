#include "net/json/JSONDecoder.h"

#include "net/json/JTException.h"

std::shared_ptr<JSONDecoder> JSONDecoder::decoderWithParseOptions(unsigned options) {
    if (options > kJTParseOptionValidFlags) throw JTException(kInvalidArgumentException, "Invalid parse options.");
    return std::shared_ptr<JSONDecoder>(new JSONDecoder(options));
}

ns::Value JSONDecoder::decode(const char* string, std::size_t length, JTParseState::Build build, ns::ErrorPtr* error) {
    if (string == nullptr) throw JTException(kInvalidArgumentException, "The string argument is NULL.");
    ns::Value result = state_.parse(reinterpret_cast<const unsigned char*>(string), length, build);
    if (error) *error = result.isNil() ? state_.error() : nullptr;
    return result;
}

ns::Value JSONDecoder::objectWithUTF8String(const char* string, std::size_t length, ns::ErrorPtr* error) {
    return decode(string, length, JTParseState::Build::PlatformCollections, error);
}

ns::Value JSONDecoder::objectWithData(const ns::Data& data, ns::ErrorPtr* error) {
    static const char empty = 0;
    const char* bytes = data.empty() ? &empty : reinterpret_cast<const char*>(data.bytes());
    return decode(bytes, data.length(), JTParseState::Build::PlatformCollections, error);
}

ns::Value JSONDecoder::collectionObjectWithUTF8String(const char* string, std::size_t length, ns::ErrorPtr* error) {
    return decode(string, length, JTParseState::Build::Collections, error);
}

ns::Value JSONDecoder::mutableObjectWithUTF8String(const char* string, std::size_t length, ns::ErrorPtr* error) {
    return decode(string, length, JTParseState::Build::MutableCollections, error);
}

ns::Value JSONDecoder::mutableObjectWithData(const ns::Data& data, ns::ErrorPtr* error) {
    static const char empty = 0;
    const char* bytes = data.empty() ? &empty : reinterpret_cast<const char*>(data.bytes());
    return decode(bytes, data.length(), JTParseState::Build::MutableCollections, error);
}
