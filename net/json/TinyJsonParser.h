// TinyJsonParser: the recursive-descent JSON parser of the request road.
//
// Lenient where the request road has always been (a missing comma between
// two values is accepted), strict elsewhere, with a chained error trace.
// Integers within 2^63 - 1 become 64-bit integers; every other number is
// kept exactly as a decimal (ns::Value::decimal of its text). The text is
// read as the platform reads a zero-terminated UTF-8 string: it ends at the
// first NUL byte, and text that is not UTF-8 cannot be a string at all, so
// it is treated like no input (code 12).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "net/json/TinyJsonBase.h"
#include "platform/foundation/Value.h"

class TinyJsonParser : public TinyJsonBase {
public:
    static std::shared_ptr<TinyJsonParser> create() { return std::shared_ptr<TinyJsonParser>(new TinyJsonParser()); }

    // A dictionary or array, or nil with the trace filled (and the last
    // error of the trace stored through error when given).
    ns::Value objectWithString(std::string_view text, ns::ErrorPtr* error = nullptr);
    // The same for a value holding text; nil (or any non-text) is code 12.
    ns::Value objectWithString(const ns::Value& text, ns::ErrorPtr* error = nullptr);

    std::string className() const override { return "TinyJsonParser"; }

private:
    TinyJsonParser() = default;
    void skipWhitespace();
    bool scanValue(ns::Value& out);
    bool scanArray(ns::Value& out);
    bool scanObject(ns::Value& out);
    bool scanString(std::string& out);
    bool scanUnicodeChar(std::string& out);
    bool scanHexQuad(unsigned& value);
    bool scanNumber(ns::Value& out);

    struct Pair {
        std::string keyText;
        std::uint32_t keyHash;
        ns::Value value;
    };

    const char* c_ = nullptr;    // read position
    const char* end_ = nullptr;  // the terminating zero
    // Children of the open arrays and objects, shared by all nesting levels:
    // each container is made once, at its final size, when it closes.
    std::vector<ns::Value> values_;
    std::vector<Pair> pairs_;
};
