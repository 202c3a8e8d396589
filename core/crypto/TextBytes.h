// Small byte-level checks shared by the text helpers of this folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace textbytes {

// True when every byte is below 0x80.
bool isASCII(std::string_view text);
// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
// To be replaced by the text helpers' own check once they provide one.
bool isValidUTF8(std::string_view text);
// The text up to (not including) its first zero byte.
std::string_view upToFirstZero(std::string_view text);

}  // namespace textbytes
