// JTParseState: one JetJson decoder's parser: options, position, the
// current token, the string buffer, the object stack and the object cache.
//
// One pass over the bytes, recursive over containers (bounded by
// kMaxDepth so hostile input cannot exhaust the stack). Every container is
// made by the build mode of the call: the platform's ns::Array and
// ns::Dictionary, or the codec's JTArray / JTDictionary objects, or their
// mutable twins.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "net/json/JTTokenCache.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Value.h"

class JTParseState {
public:
    enum class Build { PlatformCollections, Collections, MutableCollections };
    // Containers nested deeper than this fail with kNestingMessage.
    static constexpr std::size_t kMaxDepth = 512;
    static constexpr const char* kNestingMessage = "Nested too deep: more than 512 levels of arrays and objects.";

    explicit JTParseState(unsigned options) : options_(options) {}

    // Decodes one document; nil on failure with the first error in error().
    ns::Value parse(const unsigned char* bytes, std::size_t length, Build build);
    const ns::ErrorPtr& error() const { return error_; }
    void clearCache() { cache_.clear(); }

private:
    enum class TokenKind { Number, String, ObjectBegin, ObjectEnd, ArrayBegin, ArrayEnd, Colon, Comma, True, False, Null };
    struct Token {
        TokenKind kind;
        const unsigned char* start;
        std::size_t length;
        // Strings: the decoded bytes (in the input, or in buffer_ until the
        // next string token) and their hash. Numbers: kind and value bytes.
        std::string_view text;
        std::uint32_t hash;
        JTTokenCache::Kind numberKind;
        std::uint64_t bits;
    };
    struct Pair {
        std::string keyText;  // platform dictionaries
        ns::Value key;        // the codec's dictionaries
        std::uint32_t keyHash;  // the codec's key hash, or a short one for repeat checks
        ns::Value value;
    };
    enum Expect : unsigned { kValue = 1, kComma = 2, kClose = 4 };

    void fail(const unsigned char* at, const std::string& message);
    void failUnexpectedToken(const unsigned char* at);
    void failExpectation(unsigned expect, bool inObject, const Token& token);
    void skipWhitespace();
    bool readToken(Token& token);
    bool readString(Token& token);
    bool decodeString(const unsigned char* start, const unsigned char* q, Token& token);
    bool readHexQuad(const unsigned char*& q, std::uint32_t& value);
    bool readNumber(Token& token);
    bool isValueToken(TokenKind kind) const;
    // The codec's own collections take the decoder's key hashes and share
    // cached objects; platform collections need neither.
    bool hashesTokens() const { return build_ != Build::PlatformCollections; }
    bool valueFromToken(const Token& token, std::size_t depth, ns::Value& out);
    ns::Value scalarFromToken(const Token& token);
    bool parseArray(std::size_t depth, ns::Value& out);
    bool parseObject(std::size_t depth, ns::Value& out);
    ns::Value makeArray(std::size_t base);
    ns::Value makeDictionary(std::size_t base);

    unsigned options_;
    const unsigned char* begin_ = nullptr;
    const unsigned char* end_ = nullptr;
    const unsigned char* at_ = nullptr;
    std::size_t line_ = 1;
    std::size_t lineStart_ = 0;
    Build build_ = Build::PlatformCollections;
    std::string buffer_;              // decoded string bytes
    std::vector<ns::Value> values_;   // children of the open arrays
    std::vector<Pair> pairs_;         // children of the open objects
    JTTokenCache cache_;
    ns::ErrorPtr error_;
};
