// A byte-level step shared by the text helpers of this folder.
#pragma once

#include <string_view>

namespace textbytes {

// The text up to (not including) its first zero byte: how a text handed on
// as a zero-terminated C string is seen.
inline std::string_view upToFirstZero(std::string_view text) {
    const auto zero = text.find('\0');
    return zero == std::string_view::npos ? text : text.substr(0, zero);
}

}  // namespace textbytes
