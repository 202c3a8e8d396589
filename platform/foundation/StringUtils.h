// The platform's string operations on UTF-8 text. Indexes, lengths and ranges
// are in UTF-16 units (see Utf16.h); comparisons and searches are literal
// unless an option says otherwise.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/CharacterSet.h"
#include "platform/foundation/Utf16.h"

namespace ns {

class Array;

// Search and compare options; combine with |.
enum StringCompareOptions : unsigned {
    kCaseInsensitiveSearch = 1,
    kLiteralSearch = 2,
    kBackwardsSearch = 4,
    kAnchoredSearch = 8,
};

enum class ComparisonResult : int { Ascending = -1, Same = 0, Descending = 1 };

namespace str {

// First (or, with kBackwardsSearch, last) occurrence of `search` inside
// `within` (the whole text by default). kAnchoredSearch only matches at the
// start (or, backwards, at the end) of that range. An empty search text
// matches nothing. Case-insensitive matching folds each character by simple
// Unicode case folding.
Range rangeOfString(std::string_view text, std::string_view search, unsigned options = 0,
                    std::optional<Range> within = std::nullopt);
// First character of `text` (within the range) that belongs to the set.
Range rangeOfCharacterFromSet(std::string_view text, const CharacterSet& set, unsigned options = 0);
bool contains(std::string_view text, std::string_view search, unsigned options = 0);

bool hasPrefix(std::string_view text, std::string_view prefix);
bool hasSuffix(std::string_view text, std::string_view suffix);

// Every occurrence replaced, searched from the start without overlaps.
std::string replacingOccurrences(std::string_view text, std::string_view target, std::string_view replacement,
                                 unsigned options = 0);
// The UTF-16 range replaced by `replacement` (the range is clamped).
std::string replacingCharacters(std::string_view text, Range range, std::string_view replacement);

// Compares UTF-16 units (after case folding with kCaseInsensitiveSearch).
ComparisonResult compare(std::string_view a, std::string_view b, unsigned options = 0);
ComparisonResult caseInsensitiveCompare(std::string_view a, std::string_view b);
bool isEqualIgnoringCase(std::string_view a, std::string_view b);

// Unicode case mapping (language-neutral).
std::string lowercase(std::string_view text);
std::string uppercase(std::string_view text);
// Only A-Z / a-z change.
std::string asciiLowercase(std::string_view text);
std::string asciiUppercase(std::string_view text);

// Characters of the set removed from both ends.
std::string trimming(std::string_view text, const CharacterSet& set);
std::string trimmingWhitespace(std::string_view text);
std::string trimmingWhitespaceAndNewlines(std::string_view text);

// The platform's splitting: an empty text gives one empty component; two
// adjacent separators give an empty component between them. An empty
// separator gives the text whole.
std::vector<std::string> componentsSeparatedByString(std::string_view text, std::string_view separator);
std::vector<std::string> componentsSeparatedByCharactersInSet(std::string_view text, const CharacterSet& set);
std::string join(const std::vector<std::string>& parts, std::string_view separator);
// Joins the descriptions of the values, as componentsJoinedByString: does.
std::string join(const Array& parts, std::string_view separator);

// Scanner semantics: leading whitespace and newlines are skipped, an optional
// "0x"/"0X" is accepted, then hex digits are read. Nothing when no digit is
// found; a value too large for the type gives its largest value.
// `scanned` (when given) receives the number of bytes consumed.
std::optional<std::uint32_t> scanHexInt(std::string_view text, std::size_t* scanned = nullptr);
std::optional<std::uint64_t> scanHexLongLong(std::string_view text, std::size_t* scanned = nullptr);

// An ICU transform such as "Any-Latin; Latin-ASCII"; nothing when the
// transform identifier is not understood.
std::optional<std::string> applyingTransform(std::string_view text, std::string_view transform, bool reverse = false);

}  // namespace str
}  // namespace ns
