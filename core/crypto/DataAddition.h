// Helpers on bytes: MD5 text and the compact Base64 codec.
#pragma once

#include <optional>
#include <string>

#include "platform/foundation/Data.h"

// MD5 of the bytes as 32 lower-case hexadecimal digits.
std::string KXMd5String(const ns::Data& data);
// Base64 text of the bytes, as ASCII bytes; nullopt for empty input.
std::optional<ns::Data> KXBase64Encoding(const ns::Data& data);
// The same as text; nullopt for empty input.
std::optional<std::string> KXBase64EncodingForString(const ns::Data& data);
// Decodes bytes that hold Base64 text (strict: see Base64Codec).
std::optional<ns::Data> KXBase64Decoding(const ns::Data& data);
// Decodes and reads the result as ASCII text; nullopt when the input is not
// Base64 or the decoded bytes are not ASCII.
std::optional<std::string> KXBase64DecodingForString(const ns::Data& data);
