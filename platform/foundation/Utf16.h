// Text is stored as UTF-8 (std::string) everywhere; wherever the program
// counts characters or takes ranges it counts UTF-16 code units, as the
// platform's strings do. These helpers translate between the two views.
//
// Invalid UTF-8 reads as U+FFFD, one unit per bad byte. A range that cuts a
// surrogate pair in half cannot be written as valid UTF-8: the lone half
// becomes U+FFFD, so the result still has exactly as many UTF-16 units as the
// range asked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ns {

// "Not found": the location of a range that matched nothing.
inline constexpr std::size_t kNotFound = static_cast<std::size_t>(INT64_MAX);

struct Range {
    std::size_t location = 0;
    std::size_t length = 0;

    std::size_t max() const { return location + length; }
    bool found() const { return location != kNotFound; }
    bool contains(std::size_t index) const { return index >= location && index < max(); }
    bool operator==(const Range& o) const { return location == o.location && length == o.length; }
    bool operator!=(const Range& o) const { return !(*this == o); }
};

inline Range makeRange(std::size_t location, std::size_t length) { return Range{location, length}; }
inline Range notFoundRange() { return Range{kNotFound, 0}; }

namespace utf16 {

// Reads one code point at `pos` and advances past it; a malformed sequence
// gives U+FFFD and advances by one byte.
char32_t decodeUtf8(std::string_view text, std::size_t& pos);
void appendUtf8(std::string& out, char32_t c);

std::u16string fromUtf8(std::string_view text);
// Lone surrogates become U+FFFD.
std::string toUtf8(std::u16string_view units);

bool isValidUtf8(std::string_view text);

// Number of UTF-16 units of the text.
std::size_t length(std::string_view text);
// The UTF-16 unit at `index`; 0 when the index is past the end.
char16_t characterAt(std::string_view text, std::size_t index);

// The text of a UTF-16 range, clamped to the text.
std::string substring(std::string_view text, Range range);
std::string substringFrom(std::string_view text, std::size_t index);
std::string substringTo(std::string_view text, std::size_t index);

// Byte offset of a UTF-16 index (the text's size when past the end). An
// index inside a surrogate pair maps to the start of that character.
std::size_t byteOffset(std::string_view text, std::size_t index);

inline bool isHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
inline bool isLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace utf16
}  // namespace ns
