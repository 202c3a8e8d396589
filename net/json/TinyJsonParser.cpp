#include "net/json/TinyJsonParser.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "net/json/JsonPlatformDictionary.h"
#include "net/json/JsonUtf8.h"

namespace {

inline bool isWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

inline bool isStringStop(char c) { return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 32; }

// The first byte from p on that ends a plain run of a string: a double
// quote, a backslash or a byte below 32. Eight bytes at a time while none
// of them does.
const char* skipPlain(const char* p, const char* end) {
    constexpr std::uint64_t ones = ~0ULL / 255, highs = ones * 128;
    auto hasZero = [](std::uint64_t v) { return (v - ones) & ~v & highs; };
    while (end - p >= 8) {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        if (((w - ones * 0x20) & ~w & highs) | hasZero(w ^ (ones * '"')) | hasZero(w ^ (ones * '\\'))) break;
        p += 8;
    }
    while (p != end && !isStringStop(*p)) ++p;
    return p;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

ns::Value TinyJsonParser::objectWithString(const ns::Value& text, ns::ErrorPtr* error) {
    if (!text.isString()) {
        clearErrorTrace();
        addErrorWithCode(12, "Input was 'nil'");
        if (error) *error = errorTrace().back();
        return ns::Value();
    }
    return objectWithString(std::string_view(text.asString()), error);
}

ns::Value TinyJsonParser::objectWithString(std::string_view text, ns::ErrorPtr* error) {
    clearErrorTrace();
    ns::Value result;
    if (text.data() == nullptr || !jsonutf8::isValid(text)) {
        addErrorWithCode(12, "Input was 'nil'");
    } else {
        text = text.substr(0, std::min(text.size(), text.find('\0')));
        depth_ = 0;
        values_.clear();
        pairs_.clear();
        c_ = text.data();
        end_ = text.data() + text.size();
        ns::Value value;
        if (scanValue(value)) {
            skipWhitespace();
            if (c_ != end_)
                addErrorWithCode(10, "Garbage after JSON");
            else if (!value.isArray() && !value.isDictionary())
                addErrorWithCode(4, "Valid fragment, but not JSON");
            else
                result = std::move(value);
        }
    }
    if (error) *error = result.isNil() && !errorTrace().empty() ? errorTrace().back() : nullptr;
    return result;
}

void TinyJsonParser::skipWhitespace() {
    while (c_ != end_ && isWhitespace(*c_)) ++c_;
}

bool TinyJsonParser::scanValue(ns::Value& out) {
    skipWhitespace();
    if (c_ == end_) {
        addErrorWithCode(11, "Unexpected end of string");
        return false;
    }
    auto literal = [&](const char* rest, ns::Value value, const char* message) {
        const std::size_t n = std::strlen(rest);
        ++c_;
        if (static_cast<std::size_t>(end_ - c_) >= n && std::memcmp(c_, rest, n) == 0) {
            c_ += n;
            out = std::move(value);
            return true;
        }
        addErrorWithCode(3, message);
        return false;
    };
    switch (*c_) {
        case '"': {
            ++c_;
            std::string s;
            if (!scanString(s)) return false;
            out = ns::Value(std::move(s));
            return true;
        }
        case '[': ++c_; return scanArray(out);
        case '{': ++c_; return scanObject(out);
        case 't': return literal("rue", ns::Value(true), "Expected 'true'");
        case 'f': return literal("alse", ns::Value(false), "Expected 'false'");
        case 'n': return literal("ull", ns::Value::null(), "Expected 'null'");
        case '+': addErrorWithCode(2, "Leading + disallowed in number"); return false;
        default:
            if (*c_ == '-' || isDigit(*c_)) return scanNumber(out);
            addErrorWithCode(3, "Unrecognised leading character");
            return false;
    }
}

bool TinyJsonParser::scanArray(ns::Value& out) {
    if (!enterContainer()) return false;
    const std::size_t base = values_.size();
    while (c_ != end_) {
        skipWhitespace();
        if (c_ != end_ && *c_ == ']') {
            ++c_;
            leaveContainer();
            const auto first = values_.begin() + static_cast<std::ptrdiff_t>(base);
            out = ns::Value(ns::Array(std::make_move_iterator(first), std::make_move_iterator(values_.end())));
            values_.resize(base);
            return true;
        }
        ns::Value value;  // not straight into values_: scanning may grow it
        if (!scanValue(value)) {
            addErrorWithCode(3, "Expected value while parsing array");
            values_.resize(base);
            return false;
        }
        values_.push_back(std::move(value));
        skipWhitespace();
        if (c_ != end_ && *c_ == ',') {
            ++c_;
            skipWhitespace();
            if (c_ != end_ && *c_ == ']') {
                addErrorWithCode(9, "Trailing comma disallowed in array");
                values_.resize(base);
                return false;
            }
        }
    }
    addErrorWithCode(11, "End of input while parsing array");
    values_.resize(base);
    return false;
}

bool TinyJsonParser::scanObject(ns::Value& out) {
    if (!enterContainer()) return false;
    const std::size_t base = pairs_.size();
    auto failWith = [&](int code, const std::string& message) {
        addErrorWithCode(code, message);
        pairs_.resize(base);
        return false;
    };
    while (c_ != end_) {
        skipWhitespace();
        if (c_ != end_ && *c_ == '}') {
            ++c_;
            leaveContainer();
            out = ns::Value(jsonpairs::build(pairs_.begin() + static_cast<std::ptrdiff_t>(base), pairs_.end()));
            pairs_.resize(base);
            return true;
        }
        if (c_ == end_ || *c_ != '"') return failWith(3, "Object key string expected");
        ++c_;
        std::string key;
        if (!scanString(key)) return failWith(3, "Object key string expected");
        skipWhitespace();
        if (c_ == end_ || *c_ != ':') return failWith(3, "Expected ':' separating key and value");
        ++c_;
        ns::Value value;
        if (!scanValue(value)) return failWith(3, "Object value expected for key: " + key);
        const std::uint32_t hash = jsonpairs::keyHash(key);
        pairs_.push_back(Pair{std::move(key), hash, std::move(value)});
        skipWhitespace();
        if (c_ != end_ && *c_ == ',') {
            ++c_;
            skipWhitespace();
            if (c_ != end_ && *c_ == '}') return failWith(9, "Trailing comma disallowed in object");
        }
    }
    return failWith(11, "End of input while parsing object");
}

bool TinyJsonParser::scanString(std::string& out) {
    // Fast path: a run without escapes up to the closing quote. The end of
    // the text reads as the terminating zero, which is a stop byte.
    const char* run = c_;
    c_ = skipPlain(c_, end_);
    if (c_ != run && c_ != end_ && *c_ == '"') {
        out.assign(run, static_cast<std::size_t>(c_ - run));
        ++c_;
        return true;
    }
    out.assign(run, static_cast<std::size_t>(c_ - run));
    for (;;) {
        run = c_;
        c_ = skipPlain(c_, end_);
        out.append(run, static_cast<std::size_t>(c_ - run));
        const char c = c_ == end_ ? '\0' : *c_;
        if (c == '"') {
            ++c_;
            return true;
        }
        if (c == '\\') {
            ++c_;
            if (c_ == end_) {
                addErrorWithCode(11, "Unexpected EOF while parsing string");
                return false;
            }
            const char e = *c_++;
            switch (e) {
                case '"': case '/': case '\\': out.push_back(e); break;
                case 'b': out.push_back('\b'); break;
                case 'f': out.push_back('\f'); break;
                case 'n': out.push_back('\n'); break;
                case 'r': out.push_back('\r'); break;
                case 't': out.push_back('\t'); break;
                case 'u':
                    if (!scanUnicodeChar(out)) {
                        addErrorWithCode(6, "Broken unicode character");
                        return false;
                    }
                    break;
                default: {
                    char message[64];
                    std::snprintf(message, sizeof message, "Illegal escape sequence '0x%x'",
                                  static_cast<unsigned>(static_cast<unsigned char>(e)));
                    addErrorWithCode(8, message);
                    return false;
                }
            }
            continue;
        }
        char message[64];
        std::snprintf(message, sizeof message, "Unescaped control character '0x%x'",
                      static_cast<unsigned>(static_cast<unsigned char>(c)));
        addErrorWithCode(5, message);
        return false;
    }
}

bool TinyJsonParser::scanHexQuad(unsigned& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        const int d = c_ == end_ ? -1 : hexDigit(*c_);
        if (d < 0) {
            addErrorWithCode(6, "Missing hex digit in quad");
            addErrorWithCode(6, "Missing hex quad");
            return false;
        }
        value = value * 16 + static_cast<unsigned>(d);
        ++c_;
    }
    return true;
}

bool TinyJsonParser::scanUnicodeChar(std::string& out) {
    unsigned high;
    if (!scanHexQuad(high)) return false;
    if (high < 0xD800 || high > 0xDFFF) {
        jsonutf8::append(out, high);
        return true;
    }
    if (high >= 0xDC00) {
        addErrorWithCode(6, "Invalid high character in surrogate pair");
        return false;
    }
    if (end_ - c_ < 2 || c_[0] != '\\' || c_[1] != 'u') {
        addErrorWithCode(6, "Missing low character in surrogate pair");
        return false;
    }
    c_ += 2;
    unsigned low;
    if (!scanHexQuad(low)) return false;
    if (low < 0xDC00 || low > 0xDFFF) {
        addErrorWithCode(6, "Invalid low surrogate char");
        return false;
    }
    jsonutf8::append(out, 0x10000 + (high - 0xD800) * 0x400 + (low - 0xDC00));
    return true;
}

bool TinyJsonParser::scanNumber(ns::Value& out) {
    const char* start = c_;
    const bool negative = *c_ == '-';
    if (negative) ++c_;
    const char* digits = c_;
    if (c_ != end_ && *c_ == '0') {
        ++c_;
        if (c_ != end_ && isDigit(*c_)) {
            addErrorWithCode(2, "Leading 0 disallowed in number");
            return false;
        }
    } else if (c_ != end_ && isDigit(*c_)) {
        while (c_ != end_ && isDigit(*c_)) ++c_;
    } else {
        addErrorWithCode(2, "No digits after initial minus");
        return false;
    }
    const char* digitsEnd = c_;
    bool simple = true;
    if (c_ != end_ && *c_ == '.') {
        simple = false;
        ++c_;
        if (c_ == end_ || !isDigit(*c_)) {
            addErrorWithCode(2, "No digits after decimal point");
            return false;
        }
        while (c_ != end_ && isDigit(*c_)) ++c_;
    }
    if (c_ != end_ && (*c_ == 'e' || *c_ == 'E')) {
        simple = false;
        ++c_;
        if (c_ != end_ && (*c_ == '+' || *c_ == '-')) ++c_;
        if (c_ == end_ || !isDigit(*c_)) {
            addErrorWithCode(2, "No digits after exponent");
            return false;
        }
        while (c_ != end_ && isDigit(*c_)) ++c_;
    }
    if (simple && digitsEnd - digits <= 19) {
        std::uint64_t magnitude = 0;
        for (const char* d = digits; d < digitsEnd; ++d) magnitude = magnitude * 10 + static_cast<unsigned>(*d - '0');
        if (magnitude <= static_cast<std::uint64_t>(INT64_MAX)) {
            const auto v = static_cast<std::int64_t>(magnitude);
            out = ns::Value(negative ? -v : v);
            return true;
        }
    }
    // Everything else (fractions, exponents, -2^63 and beyond) stays exact.
    out = ns::Value::decimal(std::string(start, static_cast<std::size_t>(c_ - start)));
    return true;
}
