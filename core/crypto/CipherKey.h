// CipherKey: a key or IV handed to the cipher helpers, given either as text
// (its UTF-8 bytes are used) or as bytes.
#pragma once

#include <string>
#include <string_view>

#include "platform/foundation/Data.h"

class CipherKey {
public:
    CipherKey(const ns::Data& bytes) : bytes_(bytes) {}
    CipherKey(std::string_view text) : bytes_(ns::Data::fromString(text)) {}
    CipherKey(const std::string& text) : bytes_(ns::Data::fromString(text)) {}
    CipherKey(const char* text) : bytes_(ns::Data::fromString(text ? text : "")) {}

    const ns::Data& bytes() const { return bytes_; }

private:
    ns::Data bytes_;
};
