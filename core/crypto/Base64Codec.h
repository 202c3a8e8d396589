// Base64Codec: the one Base64 implementation behind every Base64 helper
// (standard alphabet of RFC 4648, "=" padding).
//
// Two decoders with different tolerance exist because callers rely on each:
// the strict one (compact helpers) refuses any character outside the
// alphabet; the lenient one (transcoding helpers) skips or zeroes what it
// does not understand and never fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/foundation/Data.h"

class Base64Codec {
public:
    // Standard Base64 of the bytes; with wrapLines, "\r\n" after every 72
    // characters of output (the last line included when it is full).
    static std::string encode(const std::uint8_t* bytes, std::size_t length, bool wrapLines = false);

    // Strict decoding. Input ends at its last byte or its first zero byte.
    // Whitespace (space, \t \n \v \f \r) and "=" are skipped wherever they
    // stand; any other byte outside the alphabet gives nullopt, and so does
    // a final group of a single character.
    static std::optional<ns::Data> decodeStrict(const std::uint8_t* text, std::size_t length);

    // Lenient decoding of ASCII text: "=" ends it, whitespace and then other
    // noise before a character are skipped, anything still unreadable counts
    // as value 0; a trailing single character emits nothing.
    static ns::Data decodeLenient(const std::uint8_t* text, std::size_t length);
};
