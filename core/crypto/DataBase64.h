// The platform-style Base64 constructor and encoder on bytes.
#pragma once

#include <optional>
#include <string>

#include "platform/foundation/Data.h"

// Decodes Base64 text (strict: see Base64Codec): empty bytes for empty text
// and for no text at all, nullopt on bad input.
std::optional<ns::Data> dataWithBase64EncodedString(const std::optional<std::string>& text);
// Base64 text of the bytes; "" for empty input.
std::string base64Encoding(const ns::Data& data);
