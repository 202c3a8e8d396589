// libFuzzer target: the JetJson decoder on arbitrary bytes. The first byte
// picks the parse options and the collection form. Whatever decodes must
// encode, and the encoded text must decode to the same value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "net/json/JSONDecoder.h"
#include "net/json/JetJsonSerializing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned options = data[0] & 15;
    const unsigned form = (data[0] >> 4) % 3;
    const char* text = reinterpret_cast<const char*>(data + 1);
    const std::size_t length = size - 1;
    auto decoder = JSONDecoder::decoderWithParseOptions(options);
    ns::ErrorPtr error;
    ns::Value value;
    if (form == 0)
        value = decoder->objectWithUTF8String(text, length, &error);
    else if (form == 1)
        value = decoder->collectionObjectWithUTF8String(text, length, &error);
    else
        value = decoder->mutableObjectWithUTF8String(text, length, &error);
    if (value.isNil()) {
        if (!error) std::abort();  // every failure carries an error
        return 0;
    }
    if (form != 0) {
        // The codec's own collections (slot order) must encode and read back.
        const ns::Value encoded = JSONStringWithOptions(value, data[0] & 3, &error);
        if (!encoded.isString()) std::abort();
        const std::string& again = encoded.asString();
        if (decoder->objectWithUTF8String(again.data(), again.size(), &error).isNil()) std::abort();
        return 0;
    }
    const ns::Value encoded = JSONStringWithOptions(value, data[0] & 3, &error);
    if (!encoded.isString()) std::abort();
    const std::string& again = encoded.asString();
    const ns::Value reread = decoder->objectWithUTF8String(again.data(), again.size(), &error);
    if (!reread.isEqual(value)) std::abort();
    return 0;
}
