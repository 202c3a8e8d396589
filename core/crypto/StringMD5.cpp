#include "core/crypto/StringMD5.h"

#include <cctype>

#include "core/crypto/DataMd5.h"
#include "core/crypto/TextBytes.h"

std::string md5String(const std::string& text) {
    std::string hex = md5(ns::Data::fromString(textbytes::upToFirstZero(text)));
    for (auto& c : hex) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return hex;
}
