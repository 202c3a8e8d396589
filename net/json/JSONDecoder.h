// JSONDecoder: the strict, fast JSON decoder of the command road (one pass,
// an object cache for repeated keys and values, exact error texts with the
// byte index and line number of the fault).
//
// How decoded documents meet the rest of the system: every other part of
// Keelbox reads JSON as ns::Value, so the decoder makes ns::Value directly
// and has one parser for all forms. Only the containers differ, chosen per
// call:
//   objectWithUTF8String / objectWithData: the platform's collections
//     (ns::Array, ns::Dictionary in document order, a repeated key keeping
//     its first position and its last value). This is what the system uses.
//   collectionObjectWithUTF8String: the codec's own immutable JTArray /
//     JTDictionary objects (held in ns::Value as objects), for callers that
//     want the hash-table collections; toValue() adapts them.
//   mutableObjectWithUTF8String / mutableObjectWithData: JTMutableArray /
//     JTMutableDictionary.
// Strings and numbers are ns::Value in every form; unsigned values from
// 2^63 on keep the unsigned kind, "-0" and numbers with a fraction or an
// exponent are doubles.
//
// Nesting deeper than JTParseState::kMaxDepth fails cleanly instead of
// exhausting the stack. Bad input never raises; programming errors raise
// JTException (invalid options, a null string).
#pragma once

#include <cstddef>
#include <memory>

#include "net/json/JTParseState.h"
#include "net/json/JetJsonOptions.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class JSONDecoder : public ns::Object {
public:
    static std::shared_ptr<JSONDecoder> decoder() { return decoderWithParseOptions(kJTParseOptionStrict); }
    // Raises NSInvalidArgumentException "Invalid parse options." above 15.
    static std::shared_ptr<JSONDecoder> decoderWithParseOptions(unsigned options);

    unsigned parseOptions() const { return options_; }

    // Nil on failure, the first error stored through error when given.
    // A null string raises NSInvalidArgumentException.
    ns::Value objectWithUTF8String(const char* string, std::size_t length, ns::ErrorPtr* error = nullptr);
    ns::Value objectWithData(const ns::Data& data, ns::ErrorPtr* error = nullptr);
    ns::Value collectionObjectWithUTF8String(const char* string, std::size_t length, ns::ErrorPtr* error = nullptr);
    ns::Value mutableObjectWithUTF8String(const char* string, std::size_t length, ns::ErrorPtr* error = nullptr);
    ns::Value mutableObjectWithData(const ns::Data& data, ns::ErrorPtr* error = nullptr);

    // Older names.
    ns::Value parseUTF8String(const char* string, std::size_t length, ns::ErrorPtr* error = nullptr) {
        return objectWithUTF8String(string, length, error);
    }
    ns::Value parseJSONData(const ns::Data& data, ns::ErrorPtr* error = nullptr) { return objectWithData(data, error); }

    // Empties the object cache (it otherwise spans every document decoded).
    void clearCache() { state_.clearCache(); }

    std::string className() const override { return "JSONDecoder"; }

private:
    explicit JSONDecoder(unsigned options) : options_(options), state_(options) {}
    ns::Value decode(const char* string, std::size_t length, JTParseState::Build build, ns::ErrorPtr* error);

    unsigned options_;
    JTParseState state_;
};
