#include "net/json/JTSerializer.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "net/json/JTArray.h"
#include "net/json/JTDictionary.h"
#include "net/json/JsonClassName.h"
#include "net/json/JsonDoubleText.h"
#include "net/json/JsonUtf8.h"

namespace {

constexpr std::uint64_t kOnes = ~0ULL / 255;
constexpr std::uint64_t kHighs = kOnes * 128;

inline std::uint64_t hasZero(std::uint64_t v) { return (v - kOnes) & ~v & kHighs; }

// True when any of the eight bytes must be escaped: a double quote, a
// backslash or a control byte (bytes from 0x80 on never match).
inline bool needsEscape(std::uint64_t w) {
    return (((w - kOnes * 0x20) & ~w & kHighs) | hasZero(w ^ (kOnes * '"')) | hasZero(w ^ (kOnes * '\\'))) != 0;
}

// True when any of the eight bytes needs more than a copy: one to escape or
// a byte from 0x80 on.
inline bool needsWork(std::uint64_t w) { return needsEscape(w) || (w & kHighs) != 0; }

constexpr char kHex[] = "0123456789abcdef";

// Bytes written as they are in any mode: printable ASCII but the double
// quote and the backslash.
struct PlainTable {
    bool plain[256] = {};
    PlainTable() {
        for (int c = 0x20; c < 0x80; ++c) plain[c] = c != '"' && c != '\\';
    }
};
const PlainTable kPlain;

void appendUnitEscape(JsonTextBuffer& out, unsigned unit) {
    const char e[6] = {'\\', 'u', kHex[(unit >> 12) & 15], kHex[(unit >> 8) & 15], kHex[(unit >> 4) & 15],
                       kHex[unit & 15]};
    out.append(e, 6);
}

bool isCollection(const ns::Value& v) {
    return v.isArray() || v.isDictionary() || v.as<JTArray>() || v.as<JTDictionary>();
}

}  // namespace

void JTSerializer::fail(const std::string& message) {
    if (!error_) error_ = ns::Error::withDescription(kJTErrorDomain, -1, message);
}

ns::Value JTSerializer::serialize(const ns::Value& object, unsigned options, unsigned encodeOption,
                                  ns::ErrorPtr* error) {
    if (error) *error = nullptr;
    out_ = JsonTextBuffer();
    options_ = options;
    encodeOption_ = encodeOption;
    depth_ = 0;
    error_.reset();

    bool ok;
    if ((encodeOption & kJTEncodeOptionCollectionObj) && !isCollection(object)) {
        fail("Unable to serialize object class " + jsonClassName(object) + ", expected a NSArray or NSDictionary.");
        ok = false;
    } else if ((encodeOption & kJTEncodeOptionStringObj) && !object.isString()) {
        fail("Unable to serialize object class " + jsonClassName(object) + ", expected a NSString.");
        ok = false;
    } else if (object.isString()) {
        ok = encodeString(object.asString(), !(encodeOption & kJTEncodeOptionStringObjTrimQuotes));
    } else {
        ok = encode(object);
    }

    ns::Value result;
    if (ok) {
        switch (encodeOption & kJTEncodeOptionAsTypeMask) {
            case kJTEncodeOptionAsString: result = ns::Value(out_.take()); break;
            case kJTEncodeOptionAsData: {
                const std::string text = out_.take();
                result = ns::Value(ns::Data(std::vector<std::uint8_t>(text.begin(), text.end())));
                break;
            }
            default: fail("Unknown encode as type."); break;
        }
    }
    out_ = JsonTextBuffer(0);
    if (error && result.isNil()) *error = error_;
    return result;
}

void JTSerializer::openBracket(char c) {
    out_.push_back(c);
    ++depth_;
    if (options_ & kJTSerializeOptionPretty) {
        out_.push_back('\n');
        out_.append(2 * depth_, ' ');
    }
}

void JTSerializer::closeBracket(char c) {
    --depth_;
    if (options_ & kJTSerializeOptionPretty) {
        out_.push_back('\n');
        out_.append(2 * depth_, ' ');
    }
    out_.push_back(c);
}

void JTSerializer::separator() {
    out_.push_back(',');
    if (options_ & kJTSerializeOptionPretty) {
        out_.push_back('\n');
        out_.append(2 * depth_, ' ');
    }
}

bool JTSerializer::encode(const ns::Value& value) {
    switch (value.kind()) {
        case ns::ValueKind::String: return encodeString(value.asString(), true);
        case ns::ValueKind::Bool:
            if (value.boolValue())
                out_.append("true", 4);
            else
                out_.append("false", 5);
            return true;
        case ns::ValueKind::Integer: {
            char* at = out_.room(24);
            out_.commit(std::to_chars(at, at + 24, value.longLongValue()).ptr);
            return true;
        }
        case ns::ValueKind::Unsigned: {
            char* at = out_.room(24);
            out_.commit(std::to_chars(at, at + 24, value.unsignedLongLongValue()).ptr);
            return true;
        }
        case ns::ValueKind::Double: return encodeDouble(value.doubleValue());
        case ns::ValueKind::Decimal: return encodeDouble(value.doubleValue());
        case ns::ValueKind::Null: out_.append("null", 4); return true;
        case ns::ValueKind::Array: {
            const ns::Array& array = value.asArray();
            return encodeArray(array.data(), array.size());
        }
        case ns::ValueKind::Dictionary: return encodeDictionary(value);
        case ns::ValueKind::Object:
            if (auto array = value.as<JTArray>()) {
                const ns::Value platform = array->toValue();
                return encodeArray(platform.asArray().data(), platform.asArray().size());
            }
            if (value.as<JTDictionary>()) return encodeDictionary(value);
            [[fallthrough]];
        default:
            fail("Unable to serialize object class " + jsonClassName(value) + ".");
            return false;
    }
}

bool JTSerializer::encodeDouble(double d) {
    if (!std::isfinite(d)) {
        fail("Floating point values must be finite.  JSON does not support NaN or Infinity.");
        return false;
    }
    out_.commit(jsondouble::writeG17(d, out_.room(jsondouble::kMaxLength)));
    return true;
}

bool JTSerializer::encodeArray(const ns::Value* items, std::size_t count) {
    if (depth_ >= kMaxDepth) {
        fail(kNestingMessage);
        return false;
    }
    openBracket('[');
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) separator();
        if (!encode(items[i])) return false;
    }
    closeBracket(']');
    return true;
}

bool JTSerializer::encodeKey(const ns::Value& key) {
    if (!key.isString()) {
        fail("Key must be a string object.");
        return false;
    }
    if (!encodeString(key.asString(), true)) return false;
    if (options_ & kJTSerializeOptionPretty)
        out_ += ": ";
    else
        out_.push_back(':');
    return true;
}

bool JTSerializer::encodeDictionary(const ns::Value& value) {
    if (depth_ >= kMaxDepth) {
        fail(kNestingMessage);
        return false;
    }
    openBracket('{');
    bool first = true;
    if (value.isDictionary()) {
        for (const auto& [key, object] : value.asDictionary()) {
            if (!first) separator();
            first = false;
            if (!encodeString(key, true)) return false;
            out_.push_back(':');
            if (options_ & kJTSerializeOptionPretty) out_.push_back(' ');
            if (!encode(object)) return false;
        }
    } else {
        // Hold the dictionary: encoding its members must not free it.
        const auto dictionary = value.as<JTDictionary>();
        for (const auto& e : dictionary->entries()) {
            if (e.key.isNil()) continue;
            if (!first) separator();
            first = false;
            if (!encodeKey(e.key) || !encode(e.object)) return false;
        }
    }
    closeBracket('}');
    return true;
}

bool JTSerializer::encodeString(const std::string& text, bool quotes) {
    // Short plain texts (most keys and values) go out in one piece.
    if (text.size() < 24) {
        std::size_t i = 0;
        const auto* d = reinterpret_cast<const unsigned char*>(text.data());
        while (i < text.size() && kPlain.plain[d[i]]) ++i;
        if (i == text.size()) {
            char* at = out_.room(text.size() + 2);
            if (quotes) *at++ = '"';
            std::memcpy(at, text.data(), text.size());
            at += text.size();
            if (quotes) *at++ = '"';
            out_.commit(at);
            return true;
        }
    }
    if (quotes) out_.push_back('"');
    // The encoder is knowingly more lenient than the decoder: U+0000 goes out
    // as the escape \u0000 and, unless writing ASCII only, the non-characters
    // (U+FFFF, U+FDD0..U+FDEF and the like) as their raw UTF-8 bytes; the
    // decoder refuses both. The codec's contract keeps that asymmetry, so
    // only ill-formed UTF-8 fails here.
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    const bool asciiOnly = options_ & kJTSerializeOptionEscapeUnicode;
    // Bytes that need no change (plain ASCII, and well-formed UTF-8 unless
    // escaping it) collect in a run that is copied in one piece.
    const unsigned char* run = p;
    auto flush = [&]() { out_.append(reinterpret_cast<const char*>(run), static_cast<std::size_t>(p - run)); };
    while (p < end) {
        while (end - p >= 8) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            if (needsWork(w)) break;
            p += 8;
        }
        if (p >= end) break;
        const unsigned char b = *p;
        if (b >= 0x20 && b < 0x80 && b != '"' && b != '\\') {
            ++p;
            continue;
        }
        if (b >= 0x80 && !asciiOnly) {
            // Well-formed UTF-8 stays as it is: check a whole stretch of it.
            do {
                const jsonutf8::Sequence s = jsonutf8::readSequence(p, end);
                if (s.status != jsonutf8::SequenceStatus::Ok) {
                    fail("An error occurred converting the contents of a NSString to UTF8.");
                    return false;
                }
                p += s.length;
            } while (p < end && *p >= 0x80);
            continue;
        }
        if (b >= 0x80) {
            const jsonutf8::Sequence s = jsonutf8::readSequence(p, end);
            if (s.status != jsonutf8::SequenceStatus::Ok || jsonutf8::isJetJsonIllegal(s.codePoint)) {
                fail("Error converting UTF8.");
                return false;
            }
            flush();
            if (s.codePoint > 0xFFFF) {
                appendUnitEscape(out_, (s.codePoint >> 10) + 0xD7C0);
                appendUnitEscape(out_, (s.codePoint & 0x3FF) | 0xDC00);
            } else {
                appendUnitEscape(out_, s.codePoint);
            }
            p += s.length;
            run = p;
            continue;
        }
        flush();
        switch (b) {
            case '"': out_ += "\\\""; break;
            case '\\': out_ += "\\\\"; break;
            case '\b': out_ += "\\b"; break;
            case '\t': out_ += "\\t"; break;
            case '\n': out_ += "\\n"; break;
            case '\f': out_ += "\\f"; break;
            case '\r': out_ += "\\r"; break;
            default: appendUnitEscape(out_, b); break;
        }
        ++p;
        run = p;
    }
    flush();
    if (quotes) out_.push_back('"');
    return true;
}
