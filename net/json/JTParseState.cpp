#include "net/json/JTParseState.h"

#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <new>

#include "net/json/JTDictionary.h"
#include "net/json/JTMutableArray.h"
#include "net/json/JTMutableDictionary.h"
#include "net/json/JsonPlatformDictionary.h"
#include "net/json/JsonUtf8.h"
#include "net/json/JetJsonOptions.h"

namespace {

constexpr const char* kUnexpectedToken =
    "Unexpected token, wanted '{', '}', '[', ']', ',', ':', 'true', 'false', 'null', '\"STRING\"', 'NUMBER'.";

constexpr std::uint64_t kOnes = ~0ULL / 255;
constexpr std::uint64_t kHighs = kOnes * 128;

// True when any of the eight bytes is a double quote, a backslash, below
// 0x20 or from 0x80 on: the bytes that end the plain run of a string.
inline bool hasStringStop(std::uint64_t w) {
    auto hasZero = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighs; };
    return ((w - kOnes * 0x20) & ~w & kHighs) | hasZero(w ^ (kOnes * '"')) | hasZero(w ^ (kOnes * '\\')) | (w & kHighs);
}

inline bool isDigit(unsigned char b) { return b >= '0' && b <= '9'; }

inline int hexValue(unsigned char b) {
    if (b >= '0' && b <= '9') return b - '0';
    if (b >= 'a' && b <= 'f') return b - 'a' + 10;
    if (b >= 'A' && b <= 'F') return b - 'A' + 10;
    return -1;
}

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

void JTParseState::fail(const unsigned char* at, const std::string& message) {
    if (error_) return;  // only the first error of a parse is kept
    ns::Dictionary info;
    info.set(ns::kLocalizedDescriptionKey, message);
    info.set(kJTAtIndexKey, ns::Value(static_cast<std::uint64_t>(at - begin_)));
    info.set(kJTLineNumberKey, ns::Value(static_cast<std::uint64_t>(line_)));
    error_ = ns::Error::create(kJTErrorDomain, -1, std::move(info));
}

void JTParseState::failUnexpectedToken(const unsigned char* at) { fail(at, kUnexpectedToken); }

void JTParseState::failExpectation(unsigned expect, bool inObject, const Token& token) {
    std::vector<std::string> words;
    if (expect & kValue) words.push_back(inObject ? "a \"STRING\"" : "a value");
    if (expect & kComma) words.push_back("a comma");
    if (expect & kClose) words.push_back(inObject ? "a '}'" : "a ']'");
    const std::string shown(reinterpret_cast<const char*>(token.start), token.length);
    std::string message;
    if (words.size() == 1)
        message = "Expected " + words[0] + ", not '" + shown + "'";
    else if (words.size() == 2)
        message = "Expected " + words[0] + " or " + words[1] + ", not '" + shown + "'";
    else
        message = "Expected " + words[0] + ", " + words[1] + ", or " + words[2] + ", not '" + shown;
    fail(token.start, message);
}

void JTParseState::skipWhitespace() {
    const unsigned char* p = at_;
    const bool unicodeLineEnds = options_ & kJTParseOptionUnicodeNewlines;
    const bool comments = options_ & kJTParseOptionComments;
    auto lineEnd = [&](const unsigned char* next) {
        ++line_;
        lineStart_ = static_cast<std::size_t>(next - begin_);
        p = next;
    };
    while (p < end_) {
        const unsigned char b = *p;
        if (b == ' ' || b == '\t') {
            ++p;
        } else if (b == '\n') {
            lineEnd(p + 1);
        } else if (b == '\r') {
            lineEnd(p + 1 < end_ && p[1] == '\n' ? p + 2 : p + 1);
        } else if (unicodeLineEnds && b == 0xE2 && end_ - p >= 3 && p[1] == 0x80 && (p[2] == 0xA8 || p[2] == 0xA9)) {
            lineEnd(p + 3);
        } else if (unicodeLineEnds && b == 0xC2 && end_ - p >= 2 && p[1] == 0x85) {
            lineEnd(p + 2);
        } else if (comments && b == '/' && end_ - p >= 2 && p[1] == '/') {
            p += 2;
            while (p < end_ && *p != '\n' && *p != '\r' &&
                   !(unicodeLineEnds && ((*p == 0xE2 && end_ - p >= 3 && p[1] == 0x80 && (p[2] == 0xA8 || p[2] == 0xA9)) ||
                                         (*p == 0xC2 && end_ - p >= 2 && p[1] == 0x85))))
                ++p;
        } else if (comments && b == '/' && end_ - p >= 2 && p[1] == '*') {
            p += 2;
            while (p < end_ && !(*p == '*' && p + 1 < end_ && p[1] == '/')) {
                if (*p == '\n') lineEnd(p + 1);
                else if (*p == '\r') lineEnd(p + 1 < end_ && p[1] == '\n' ? p + 2 : p + 1);
                else ++p;
            }
            p = p < end_ ? p + 2 : end_;
        } else {
            break;
        }
    }
    at_ = p;
}

bool JTParseState::readToken(Token& token) {
    // Compact text has no white space between tokens: skip the skipping.
    if (at_ >= end_ || *at_ <= 0x20 || *at_ == '/' || *at_ >= 0x80) skipWhitespace();
    const unsigned char* p = at_;
    if (p >= end_) {
        failUnexpectedToken(p);
        return false;
    }
    token.start = p;
    token.length = 1;
    auto literal = [&](const char* word, std::size_t n, TokenKind kind) {
        // A literal must be followed by at least one more byte.
        if (static_cast<std::size_t>(end_ - p) > n && std::memcmp(p, word, n) == 0) {
            token.kind = kind;
            token.length = n;
            at_ = p + n;
            return true;
        }
        failUnexpectedToken(p);
        return false;
    };
    switch (*p) {
        case '{': token.kind = TokenKind::ObjectBegin; break;
        case '}': token.kind = TokenKind::ObjectEnd; break;
        case '[': token.kind = TokenKind::ArrayBegin; break;
        case ']': token.kind = TokenKind::ArrayEnd; break;
        case ':': token.kind = TokenKind::Colon; break;
        case ',': token.kind = TokenKind::Comma; break;
        case 't': return literal("true", 4, TokenKind::True);
        case 'f': return literal("false", 5, TokenKind::False);
        case 'n': return literal("null", 4, TokenKind::Null);
        case '"': return readString(token);
        default:
            if (*p == '-' || isDigit(*p)) return readNumber(token);
            failUnexpectedToken(p);
            return false;
    }
    at_ = p + 1;
    return true;
}

bool JTParseState::readString(Token& token) {
    token.kind = TokenKind::String;
    const unsigned char* start = at_ + 1;
    const unsigned char* q = start;
    for (;;) {
        while (end_ - q >= 8) {
            std::uint64_t w;
            std::memcpy(&w, q, 8);
            if (hasStringStop(w)) break;
            q += 8;
        }
        if (q >= end_) {
            fail(q, "Invalid string.");
            return false;
        }
        const unsigned char b = *q;
        if (b == '"') {
            const std::size_t n = static_cast<std::size_t>(q - start);
            token.length = n + 2;
            at_ = q + 1;
            token.text = std::string_view(reinterpret_cast<const char*>(start), n);
            token.hash = hashesTokens() ? JTDictionary::hashBytes(start, n) : 0;
            return true;
        }
        if (b == '\\') return decodeString(start, q, token);
        if (b < 0x20) {
            char text[64];
            std::snprintf(text, sizeof text, "Invalid character < 0x20 found in string: 0x%2.2x.", b);
            fail(q, text);
            return false;
        }
        if (b >= 0x80) {
            const jsonutf8::Sequence s = jsonutf8::readSequence(q, end_);
            if (s.status == jsonutf8::SequenceStatus::Ok && !jsonutf8::isJetJsonIllegal(s.codePoint)) {
                q += s.length;
                // Text in other scripts comes in stretches: stay with it.
                while (q < end_ && *q >= 0x80) {
                    const jsonutf8::Sequence next = jsonutf8::readSequence(q, end_);
                    if (next.status != jsonutf8::SequenceStatus::Ok || jsonutf8::isJetJsonIllegal(next.codePoint)) break;
                    q += next.length;
                }
                continue;
            }
            if (s.status == jsonutf8::SequenceStatus::Truncated) {
                fail(q, "End of buffer reached while parsing UTF8 in \"\" string.");
                return false;
            }
            if (options_ & kJTParseOptionLooseUnicode) return decodeString(start, q, token);
            fail(q, "Illegal UTF8 sequence found in \"\" string.");
            return false;
        }
        ++q;
    }
}

bool JTParseState::readHexQuad(const unsigned char*& q, std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i, ++q) {
        if (q >= end_) {
            fail(q, "Invalid string.");
            return false;
        }
        const int h = hexValue(*q);
        if (h < 0) {
            char text[128];
            std::snprintf(text, sizeof text,
                          "Unexpected character found in \\u Unicode escape sequence.  Found '%c', expected [0-9a-fA-F].",
                          *q);
            fail(q, text);
            return false;
        }
        value = value * 16 + static_cast<std::uint32_t>(h);
    }
    return true;
}

bool JTParseState::decodeString(const unsigned char* start, const unsigned char* q, Token& token) {
    const bool loose = options_ & kJTParseOptionLooseUnicode;
    buffer_.assign(reinterpret_cast<const char*>(start), static_cast<std::size_t>(q - start));
    auto illegalEscape = [&](const unsigned char* at) {
        if (loose) {
            jsonutf8::append(buffer_, kReplacement);
            return true;
        }
        fail(at, "Illegal \\u Unicode escape sequence.");
        return false;
    };
    for (;;) {
        if (q >= end_) {
            fail(q, "Invalid string.");
            return false;
        }
        const unsigned char b = *q;
        if (b == '"') break;
        if (b == '\\') {
            const unsigned char* escape = q;
            if (++q >= end_) {
                fail(q, "Invalid string.");
                return false;
            }
            switch (*q) {
                case '"': case '/': case '\\': buffer_.push_back(static_cast<char>(*q)); ++q; continue;
                case 'b': buffer_.push_back('\b'); ++q; continue;
                case 'f': buffer_.push_back('\f'); ++q; continue;
                case 'n': buffer_.push_back('\n'); ++q; continue;
                case 'r': buffer_.push_back('\r'); ++q; continue;
                case 't': buffer_.push_back('\t'); ++q; continue;
                case 'u': break;
                default:
                    fail(q, "Invalid escape sequence found in \"\" string.");
                    return false;
            }
            ++q;
            std::uint32_t unit;
            if (!readHexQuad(q, unit)) return false;
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                if (end_ - q >= 2 && q[0] == '\\' && q[1] == 'u') {
                    q += 2;
                    std::uint32_t low;
                    if (!readHexQuad(q, low)) return false;
                    const char32_t cp = ((unit - 0xD800) << 10) + (low - 0xDC00) + 0x10000;
                    if (low < 0xDC00 || low > 0xDFFF || jsonutf8::isJetJsonIllegal(cp)) {
                        if (!illegalEscape(escape)) return false;
                    } else {
                        jsonutf8::append(buffer_, cp);
                    }
                } else if (loose) {
                    jsonutf8::append(buffer_, kReplacement);  // the bytes after it read on as text
                } else {
                    fail(q, "Required a second \\u Unicode escape sequence following a surrogate \\u Unicode escape "
                            "sequence.");
                    return false;
                }
            } else if (jsonutf8::isJetJsonIllegal(unit)) {
                if (!illegalEscape(escape)) return false;
            } else {
                jsonutf8::append(buffer_, unit);
            }
            continue;
        }
        if (b < 0x20) {
            char text[64];
            std::snprintf(text, sizeof text, "Invalid character < 0x20 found in string: 0x%2.2x.", b);
            fail(q, text);
            return false;
        }
        if (b >= 0x80) {
            const jsonutf8::Sequence s = jsonutf8::readSequence(q, end_);
            if (s.status == jsonutf8::SequenceStatus::Ok && !jsonutf8::isJetJsonIllegal(s.codePoint)) {
                buffer_.append(reinterpret_cast<const char*>(q), s.length);
                q += s.length;
            } else if (s.status == jsonutf8::SequenceStatus::Truncated) {
                fail(q, "End of buffer reached while parsing UTF8 in \"\" string.");
                return false;
            } else if (loose) {
                jsonutf8::append(buffer_, kReplacement);
                q += s.length;
            } else {
                fail(q, "Illegal UTF8 sequence found in \"\" string.");
                return false;
            }
            continue;
        }
        // A plain run: copy it whole.
        const unsigned char* run = q;
        while (q < end_ && *q >= 0x20 && *q < 0x80 && *q != '"' && *q != '\\') ++q;
        buffer_.append(reinterpret_cast<const char*>(run), static_cast<std::size_t>(q - run));
    }
    token.length = static_cast<std::size_t>(q + 1 - token.start);
    at_ = q + 1;
    token.text = buffer_;
    token.hash = hashesTokens() ? JTDictionary::hashBytes(buffer_.data(), buffer_.size()) : 0;
    return true;
}

bool JTParseState::readNumber(Token& token) {
    token.kind = TokenKind::Number;
    const unsigned char* p = at_;
    const unsigned char* start = p;
    bool negative = false, floating = false;
    auto invalid = [&]() {
        fail(p, "Invalid number.");
        return false;
    };
    if (*p == '-') {
        negative = true;
        ++p;
    }
    if (p >= end_) return invalid();
    const unsigned char* digits = p;
    if (*p == '0') {
        ++p;
    } else if (isDigit(*p)) {
        while (p < end_ && isDigit(*p)) ++p;
    } else {
        return invalid();
    }
    const unsigned char* digitsEnd = p;
    if (p >= end_) return invalid();
    if (*p == '.') {
        floating = true;
        ++p;
        if (p >= end_ || !isDigit(*p)) return invalid();
        while (p < end_ && isDigit(*p)) ++p;
        if (p >= end_) return invalid();
    }
    if (*p == 'e' || *p == 'E') {
        floating = true;
        ++p;
        if (p < end_ && (*p == '+' || *p == '-')) ++p;
        if (p >= end_ || !isDigit(*p)) return invalid();
        while (p < end_ && isDigit(*p)) ++p;
        if (p >= end_) return invalid();
    }
    const std::size_t length = static_cast<std::size_t>(p - start);
    token.length = length;
    at_ = p;
    if (length == 2 && negative && *digits == '0') floating = true;  // "-0" is the double -0.0

    auto tooLarge = [&](const char* format, auto clamped) {
        const std::string text(reinterpret_cast<const char*>(start), length);
        char message[512];
        std::snprintf(message, sizeof message, format, text.c_str(), clamped);
        fail(start, message);
        return false;
    };
    if (floating) {
        double d = 0;
        const auto res = std::from_chars(reinterpret_cast<const char*>(start), reinterpret_cast<const char*>(p), d);
        if (res.ec == std::errc::result_out_of_range) {
            const std::string text(reinterpret_cast<const char*>(start), length);
            const double converted = std::strtod(text.c_str(), nullptr);
            char message[512];
            std::snprintf(message, sizeof message, "The value '%s' could not be represented as a 'double' due to %s.",
                          text.c_str(), converted == 0 ? "underflow" : "overflow");
            fail(start, message);
            return false;
        }
        if (res.ec != std::errc() || res.ptr != reinterpret_cast<const char*>(p)) {
            fail(start, "The conversion function did not consume all of the number tokens characters.");
            return false;
        }
        token.numberKind = JTTokenCache::kDouble;
        std::memcpy(&token.bits, &d, 8);
        return true;
    }
    // Integers: accumulate the magnitude, watching for overflow.
    std::uint64_t magnitude = 0;
    bool overflow = false;
    for (const unsigned char* d = digits; d < digitsEnd; ++d) {
        const unsigned digit = *d - '0';
        if (magnitude > (UINT64_MAX - digit) / 10) overflow = true;
        magnitude = magnitude * 10 + digit;
    }
    if (negative) {
        constexpr std::uint64_t limit = static_cast<std::uint64_t>(INT64_MAX) + 1;
        if (overflow || magnitude > limit)
            return tooLarge("The value '%s' exceeded the minimum value that could be represented: %lld.",
                            static_cast<long long>(INT64_MIN));
        const std::int64_t v = magnitude == limit ? INT64_MIN : -static_cast<std::int64_t>(magnitude);
        token.numberKind = JTTokenCache::kSigned;
        token.bits = static_cast<std::uint64_t>(v);
        return true;
    }
    if (overflow)
        return tooLarge("The value '%s' exceeded the maximum value that could be represented: %llu.",
                        static_cast<unsigned long long>(UINT64_MAX));
    token.numberKind = JTTokenCache::kUnsigned;
    token.bits = magnitude;
    return true;
}

bool JTParseState::isValueToken(TokenKind kind) const {
    switch (kind) {
        case TokenKind::Number: case TokenKind::String: case TokenKind::ObjectBegin: case TokenKind::ArrayBegin:
        case TokenKind::True: case TokenKind::False: case TokenKind::Null:
            return true;
        default:
            return false;
    }
}

ns::Value JTParseState::scalarFromToken(const Token& token) {
    if (!hashesTokens()) {
        // Platform values are copied wherever they go, so handing out a
        // cached one saves nothing over making it: skip the cache.
        switch (token.kind) {
            case TokenKind::String: return ns::Value(std::string(token.text));
            case TokenKind::Number: return JTTokenCache::makeNumber(token.numberKind, token.bits);
            case TokenKind::True: return ns::Value(true);
            case TokenKind::False: return ns::Value(false);
            default: return ns::Value::null();
        }
    }
    switch (token.kind) {
        case TokenKind::String:
            // The empty string is one shared constant, never cached.
            return token.text.empty() ? ns::Value(std::string()) : cache_.string(token.text, token.hash);
        case TokenKind::Number: return cache_.number(token.numberKind, token.bits);
        case TokenKind::True: return ns::Value(true);
        case TokenKind::False: return ns::Value(false);
        default: return ns::Value::null();
    }
}

bool JTParseState::valueFromToken(const Token& token, std::size_t depth, ns::Value& out) {
    if (token.kind == TokenKind::ArrayBegin) return parseArray(depth + 1, out);
    if (token.kind == TokenKind::ObjectBegin) return parseObject(depth + 1, out);
    out = scalarFromToken(token);
    return true;
}

bool JTParseState::parseArray(std::size_t depth, ns::Value& out) {
    if (depth > kMaxDepth) {
        fail(at_ - 1, kNestingMessage);
        return false;
    }
    const std::size_t base = values_.size();
    unsigned expect = kValue | kClose;
    Token token;
    while (at_ < end_) {
        if (!readToken(token)) break;
        if (isValueToken(token.kind)) {
            if (!(expect & kValue)) {
                fail(token.start, "Unexpected value.");
                break;
            }
            if (token.kind == TokenKind::ArrayBegin || token.kind == TokenKind::ObjectBegin) {
                ns::Value v;
                if (!valueFromToken(token, depth, v)) break;
                values_.push_back(std::move(v));
            } else {
                values_.push_back(scalarFromToken(token));
            }
            expect = kComma | kClose;
        } else if (token.kind == TokenKind::ArrayEnd) {
            if (!(expect & kClose)) {
                fail(token.start, "Unexpected ']'.");
                break;
            }
            out = makeArray(base);
            return true;
        } else if (token.kind == TokenKind::Comma) {
            if (!(expect & kComma)) {
                fail(token.start, "Unexpected ','.");
                break;
            }
            expect = kValue;
        } else {
            failExpectation(expect, false, token);
            break;
        }
    }
    values_.resize(base);
    return false;
}

bool JTParseState::parseObject(std::size_t depth, ns::Value& out) {
    if (depth > kMaxDepth) {
        fail(at_ - 1, kNestingMessage);
        return false;
    }
    const std::size_t base = pairs_.size();
    unsigned expect = kValue | kClose;
    Token token;
    while (at_ < end_) {
        if (!readToken(token)) break;
        if (token.kind == TokenKind::String) {
            if (!(expect & kValue)) {
                fail(token.start, "Unexpected string.");
                break;
            }
            // The key's bytes may live in the string buffer: take them now.
            Pair pair;
            if (build_ == Build::PlatformCollections) {
                pair.keyText.assign(token.text);  // a platform key is a text of its own
                pair.keyHash = jsonpairs::keyHash(token.text);
            } else {
                pair.keyHash = token.hash;
                pair.key = scalarFromToken(token);
            }
            if (at_ >= end_ || !readToken(token)) break;
            if (token.kind != TokenKind::Colon) {
                fail(token.start, "Expected ':'.");
                break;
            }
            if (at_ >= end_ || !readToken(token)) break;
            if (!isValueToken(token.kind)) {
                failExpectation(kValue, false, token);
                break;
            }
            if (!valueFromToken(token, depth, pair.value)) break;
            pairs_.push_back(std::move(pair));
            expect = kComma | kClose;
        } else if (token.kind == TokenKind::ObjectEnd) {
            if (!(expect & kClose)) {
                fail(token.start, "Unexpected '}'.");
                break;
            }
            out = makeDictionary(base);
            return true;
        } else if (token.kind == TokenKind::Comma) {
            if (!(expect & kComma)) {
                fail(token.start, "Unexpected ','.");
                break;
            }
            expect = kValue;
        } else {
            failExpectation(expect, true, token);
            break;
        }
    }
    pairs_.resize(base);
    return false;
}

ns::Value JTParseState::makeArray(std::size_t base) {
    auto first = std::make_move_iterator(values_.begin() + static_cast<std::ptrdiff_t>(base));
    auto last = std::make_move_iterator(values_.end());
    ns::Value made;
    switch (build_) {
        case Build::PlatformCollections: made = ns::Value(ns::Array(first, last)); break;
        case Build::Collections:
            made = ns::Value(std::shared_ptr<JTArray>(new JTArray(std::vector<ns::Value>(first, last))));
            break;
        case Build::MutableCollections:
            made = ns::Value(std::shared_ptr<JTMutableArray>(new JTMutableArray(std::vector<ns::Value>(first, last))));
            break;
    }
    values_.resize(base);
    return made;
}

ns::Value JTParseState::makeDictionary(std::size_t base) {
    const std::size_t n = pairs_.size() - base;
    ns::Value made;
    if (build_ == Build::PlatformCollections) {
        made = ns::Value(jsonpairs::build(pairs_.begin() + static_cast<std::ptrdiff_t>(base), pairs_.end()));
    } else {
        std::shared_ptr<JTDictionary> d(build_ == Build::Collections
                                            ? new JTDictionary(JTDictionary::capacityForCount(n))
                                            : new JTMutableDictionary(JTDictionary::capacityForCount(n)));
        for (std::size_t i = base; i < pairs_.size(); ++i)
            d->insert(pairs_[i].keyHash, std::move(pairs_[i].key), std::move(pairs_[i].value));
        made = ns::Value(std::move(d));
    }
    pairs_.resize(base);
    return made;
}

ns::Value JTParseState::parse(const unsigned char* bytes, std::size_t length, Build build) {
    begin_ = at_ = bytes;
    end_ = bytes + length;
    line_ = 1;
    lineStart_ = 0;
    error_.reset();
    build_ = build;
    values_.clear();
    pairs_.clear();
    ns::Value result;
    bool ok = false;
    try {
        if (length == 0) {
            fail(at_, "Reached the end of the buffer.");
        } else {
            Token token;
            if (readToken(token)) {
                if (token.kind == TokenKind::ArrayBegin)
                    ok = parseArray(1, result);
                else if (token.kind == TokenKind::ObjectBegin)
                    ok = parseObject(1, result);
                else
                    fail(token.start, "Expected either '[' or '{'.");
            }
        }
        if (ok) {
            skipWhitespace();
            if (at_ < end_ && !(options_ & kJTParseOptionPermitTextAfterValidJSON)) {
                fail(at_, "A valid JSON object was parsed but there were additional non-white-space characters "
                          "remaining.");
                ok = false;
            }
        }
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (!ok) {
        result = ns::Value();
        if (!error_) fail(at_, at_ >= end_ ? "Reached the end of the buffer." : "Unable to parse JSON.");
    }
    values_.clear();
    pairs_.clear();
    return result;
}
