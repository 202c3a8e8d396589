// JTSerializer: the JetJson encoder. Writes arrays, dictionaries (in their
// own order), strings, numbers, booleans and null as compact or indented
// UTF-8 JSON, as text or as bytes. Integers are written exactly, doubles
// with "%.17g"; strings must be valid UTF-8. Nesting deeper than kMaxDepth
// fails cleanly (a mutable collection that contains itself, for one).
// Failures give nil and the first error (domain "JTErrorDomain", code -1).
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "net/json/JetJsonOptions.h"
#include "net/json/JsonTextBuffer.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class JTSerializer : public ns::Object {
public:
    static constexpr std::size_t kMaxDepth = 512;
    static constexpr const char* kNestingMessage = "Nested too deep: more than 512 levels of arrays and objects.";

    static std::shared_ptr<JTSerializer> serializer() { return std::shared_ptr<JTSerializer>(new JTSerializer()); }
    // A one-off serializer for one call.
    static ns::Value serializeObject(const ns::Value& object, unsigned options, unsigned encodeOption,
                                     ns::ErrorPtr* error = nullptr) {
        return serializer()->serialize(object, options, encodeOption, error);
    }

    // options: kJTSerializeOption* bits; encodeOption: the result type
    // (kJTEncodeOptionAsData / AsString) plus the kJTEncodeOption* checks.
    // A string value, a data value, or nil with error set.
    ns::Value serialize(const ns::Value& object, unsigned options, unsigned encodeOption, ns::ErrorPtr* error = nullptr);

    std::string className() const override { return "JTSerializer"; }

private:
    JTSerializer() = default;
    void fail(const std::string& message);
    bool encode(const ns::Value& value);
    bool encodeString(const std::string& text, bool quotes);
    bool encodeDouble(double d);
    bool encodeArray(const ns::Value* items, std::size_t count);
    bool encodeDictionary(const ns::Value& value);
    bool encodeKey(const ns::Value& key);
    void openBracket(char c);
    void closeBracket(char c);
    void separator();

    JsonTextBuffer out_;
    unsigned options_ = 0;
    unsigned encodeOption_ = 0;
    std::size_t depth_ = 0;
    ns::ErrorPtr error_;
};
