// The transcoding Base64 helpers: standard, line-wrapped and web-safe
// encoders and the lenient decoders.
#pragma once

#include <string>

#include "platform/foundation/Data.h"

// Standard Base64 without line breaks.
std::string encodeBase64ForData(const ns::Data& data);
// Standard Base64 with "\r\n" after every 72 characters.
std::string encodeWrappedBase64ForData(const ns::Data& data);
// encodeBase64ForData with "+" -> "-" and "/" -> "_" ("=" kept).
std::string encodeWebSafeBase64ForData(const ns::Data& data);
// Lenient decoding (see Base64Codec); empty bytes for non-ASCII text.
ns::Data decodeBase64ForString(const std::string& text);
// "-" -> "+", "_" -> "/", then decodeBase64ForString.
ns::Data decodeWebSafeBase64ForString(const std::string& text);
