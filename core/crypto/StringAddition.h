// Helpers on texts: MD5, URL percent-encoding and the compact Base64 codec.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/Data.h"

// MD5 of the text's UTF-8 bytes up to its first zero byte, as 32 lower-case
// hexadecimal digits.
std::string KXMd5String(const std::string& text);
// Percent-encodes the UTF-8 bytes: only ASCII letters, digits, "-", "." and
// "_" stay; every other byte becomes "%XX" (upper-case hex). "" when the
// text is not valid UTF-8.
std::string URLEncode(const std::string& text);
// Replaces percent escapes by their bytes; nullopt when an escape is
// malformed or the bytes are not UTF-8. "+" stays "+".
std::optional<std::string> URLDecode(const std::string& text);
// Base64 of the text's UTF-8 bytes; nullopt for empty text.
std::optional<std::string> KXBase64Encoding(const std::string& text);
// Decodes Base64 text and reads the bytes as ASCII text; nullopt when the
// text is not ASCII, not Base64, or decodes to non-ASCII bytes.
std::optional<std::string> KXBase64Decoding(const std::string& text);
// Decodes Base64 text to bytes; nullopt when the text is not ASCII or not
// Base64 (strict: see Base64Codec).
std::optional<ns::Data> KXBase64DecodeToData(std::string_view text);
