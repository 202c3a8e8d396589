#include "platform/foundation/StringUtils.h"

#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

#include "platform/foundation/Value.h"

namespace ns::str {

namespace {

// Folds every code point by simple case folding, which keeps the number of
// UTF-16 units, so positions in the folded text are positions in the original.
std::u16string foldCase(std::u16string units) {
    for (std::size_t i = 0; i < units.size(); ++i) {
        char16_t u = units[i];
        if (utf16::isHighSurrogate(u) && i + 1 < units.size() && utf16::isLowSurrogate(units[i + 1])) {
            UChar32 c = U16_GET_SUPPLEMENTARY(u, units[i + 1]);
            UChar32 f = u_foldCase(c, U_FOLD_CASE_DEFAULT);
            if (f >= 0x10000) {
                units[i] = U16_LEAD(f);
                units[i + 1] = U16_TRAIL(f);
            }
            ++i;
        } else if (!utf16::isHighSurrogate(u) && !utf16::isLowSurrogate(u)) {
            UChar32 f = u_foldCase(u, U_FOLD_CASE_DEFAULT);
            if (f < 0x10000) units[i] = static_cast<char16_t>(f);
        }
    }
    return units;
}

Range clampRange(std::optional<Range> within, std::size_t length) {
    if (!within) return Range{0, length};
    std::size_t start = std::min(within->location, length);
    std::size_t len = std::min(within->length, length - start);
    return Range{start, len};
}

Range search(const std::u16string& hay, const std::u16string& needle, unsigned options, Range within) {
    const std::size_t n = needle.size();
    if (n == 0 || n > within.length) return notFoundRange();
    const std::size_t first = within.location;
    const std::size_t last = within.location + within.length - n;  // last possible start
    auto matchesAt = [&](std::size_t i) { return hay.compare(i, n, needle) == 0; };
    if (options & kBackwardsSearch) {
        if (options & kAnchoredSearch) return matchesAt(last) ? Range{last, n} : notFoundRange();
        for (std::size_t i = last + 1; i-- > first;) {
            if (matchesAt(i)) return Range{i, n};
        }
        return notFoundRange();
    }
    if (options & kAnchoredSearch) return matchesAt(first) ? Range{first, n} : notFoundRange();
    for (std::size_t i = first; i <= last; ++i) {
        if (matchesAt(i)) return Range{i, n};
    }
    return notFoundRange();
}

std::string mapCase(std::string_view text, bool upper) {
    std::u16string src = utf16::fromUtf8(text);
    std::u16string dst(src.size() + 16, u'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        UErrorCode status = U_ZERO_ERROR;
        int32_t n = upper ? u_strToUpper(dst.data(), static_cast<int32_t>(dst.size()), src.data(),
                                         static_cast<int32_t>(src.size()), "", &status)
                          : u_strToLower(dst.data(), static_cast<int32_t>(dst.size()), src.data(),
                                         static_cast<int32_t>(src.size()), "", &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            dst.assign(static_cast<std::size_t>(n) + 1, u'\0');
            continue;
        }
        if (U_FAILURE(status)) return std::string(text);
        dst.resize(static_cast<std::size_t>(n));
        return utf16::toUtf8(dst);
    }
    return std::string(text);
}

// Code point boundaries (byte offsets) of the text, end included.
std::vector<std::size_t> boundaries(std::string_view text) {
    std::vector<std::size_t> b;
    std::size_t pos = 0;
    while (pos < text.size()) {
        b.push_back(pos);
        utf16::decodeUtf8(text, pos);
    }
    b.push_back(text.size());
    return b;
}

template <class T>
std::optional<T> scanHex(std::string_view text, std::size_t* scanned) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = pos;
        char32_t c = utf16::decodeUtf8(text, next);
        if (!CharacterSet::whitespaceAndNewline().contains(c)) break;
        pos = next;
    }
    auto hexValue = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (pos + 2 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
        hexValue(text[pos + 2]) >= 0) {
        pos += 2;
    }
    T value = 0;
    bool overflow = false;
    std::size_t digits = 0;
    while (pos < text.size() && hexValue(text[pos]) >= 0) {
        if (value > (static_cast<T>(-1) >> 4)) overflow = true;
        value = static_cast<T>((value << 4) | static_cast<T>(hexValue(text[pos])));
        ++pos;
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (scanned) *scanned = pos;
    return overflow ? static_cast<T>(-1) : value;
}

}  // namespace

Range rangeOfString(std::string_view text, std::string_view searchText, unsigned options, std::optional<Range> within) {
    if (searchText.empty()) return notFoundRange();
    std::u16string hay = utf16::fromUtf8(text);
    std::u16string needle = utf16::fromUtf8(searchText);
    if (options & kCaseInsensitiveSearch) {
        hay = foldCase(std::move(hay));
        needle = foldCase(std::move(needle));
    }
    return search(hay, needle, options, clampRange(within, hay.size()));
}

Range rangeOfCharacterFromSet(std::string_view text, const CharacterSet& set, unsigned options) {
    std::size_t unit = 0;
    std::size_t pos = 0;
    Range found = notFoundRange();
    while (pos < text.size()) {
        char32_t c = utf16::decodeUtf8(text, pos);
        std::size_t len = c >= 0x10000 ? 2 : 1;
        if (set.contains(c)) {
            found = Range{unit, len};
            if (!(options & kBackwardsSearch)) return found;
        }
        unit += len;
    }
    return found;
}

bool contains(std::string_view text, std::string_view searchText, unsigned options) {
    return rangeOfString(text, searchText, options).found();
}

bool hasPrefix(std::string_view text, std::string_view prefix) {
    return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

bool hasSuffix(std::string_view text, std::string_view suffix) {
    return !suffix.empty() && text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string replacingOccurrences(std::string_view text, std::string_view target, std::string_view replacement,
                                 unsigned options) {
    if (target.empty()) return std::string(text);
    if (!(options & kCaseInsensitiveSearch)) {
        // Literal matching on valid UTF-8 bytes finds exactly the character matches.
        std::string out;
        std::size_t pos = 0;
        while (true) {
            std::size_t hit = text.find(target, pos);
            if (hit == std::string_view::npos) break;
            out.append(text.substr(pos, hit - pos));
            out.append(replacement);
            pos = hit + target.size();
        }
        out.append(text.substr(pos));
        return out;
    }
    std::u16string units = utf16::fromUtf8(text);
    std::u16string folded = foldCase(units);
    std::u16string needle = foldCase(utf16::fromUtf8(target));
    std::u16string repl = utf16::fromUtf8(replacement);
    std::u16string out;
    std::size_t pos = 0;
    while (pos < units.size()) {
        Range r = search(folded, needle, options & ~(kBackwardsSearch | kAnchoredSearch),
                         Range{pos, units.size() - pos});
        if (!r.found()) break;
        out.append(units, pos, r.location - pos);
        out.append(repl);
        pos = r.max();
    }
    out.append(units, std::min(pos, units.size()));
    return utf16::toUtf8(out);
}

std::string replacingCharacters(std::string_view text, Range range, std::string_view replacement) {
    std::u16string units = utf16::fromUtf8(text);
    Range r = clampRange(range, units.size());
    units.replace(r.location, r.length, utf16::fromUtf8(replacement));
    return utf16::toUtf8(units);
}

ComparisonResult compare(std::string_view a, std::string_view b, unsigned options) {
    std::u16string ua = utf16::fromUtf8(a);
    std::u16string ub = utf16::fromUtf8(b);
    if (options & kCaseInsensitiveSearch) {
        ua = foldCase(std::move(ua));
        ub = foldCase(std::move(ub));
    }
    int c = ua.compare(ub);
    return c < 0 ? ComparisonResult::Ascending : c > 0 ? ComparisonResult::Descending : ComparisonResult::Same;
}

ComparisonResult caseInsensitiveCompare(std::string_view a, std::string_view b) {
    return compare(a, b, kCaseInsensitiveSearch);
}

bool isEqualIgnoringCase(std::string_view a, std::string_view b) {
    return caseInsensitiveCompare(a, b) == ComparisonResult::Same;
}

std::string lowercase(std::string_view text) { return mapCase(text, false); }
std::string uppercase(std::string_view text) { return mapCase(text, true); }

std::string asciiLowercase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string asciiUppercase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string trimming(std::string_view text, const CharacterSet& set) {
    std::vector<std::size_t> b = boundaries(text);
    std::size_t first = 0;
    std::size_t last = b.size() - 1;  // index of the end boundary
    auto charAt = [&](std::size_t i) {
        std::size_t pos = b[i];
        return utf16::decodeUtf8(text, pos);
    };
    while (first < last && set.contains(charAt(first))) ++first;
    while (last > first && set.contains(charAt(last - 1))) --last;
    return std::string(text.substr(b[first], b[last] - b[first]));
}

std::string trimmingWhitespace(std::string_view text) { return trimming(text, CharacterSet::whitespace()); }

std::string trimmingWhitespaceAndNewlines(std::string_view text) {
    return trimming(text, CharacterSet::whitespaceAndNewline());
}

std::vector<std::string> componentsSeparatedByString(std::string_view text, std::string_view separator) {
    if (separator.empty()) return {std::string(text)};
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (true) {
        std::size_t hit = text.find(separator, pos);
        if (hit == std::string_view::npos) break;
        parts.emplace_back(text.substr(pos, hit - pos));
        pos = hit + separator.size();
    }
    parts.emplace_back(text.substr(pos));
    return parts;
}

std::vector<std::string> componentsSeparatedByCharactersInSet(std::string_view text, const CharacterSet& set) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t at = pos;
        char32_t c = utf16::decodeUtf8(text, pos);
        if (set.contains(c)) {
            parts.emplace_back(text.substr(start, at - start));
            start = pos;
        }
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

std::string join(const std::vector<std::string>& parts, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i) out.append(separator);
        out.append(parts[i]);
    }
    return out;
}

std::string join(const Array& parts, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i) out.append(separator);
        out.append(parts[i].description());
    }
    return out;
}

std::optional<std::uint32_t> scanHexInt(std::string_view text, std::size_t* scanned) {
    return scanHex<std::uint32_t>(text, scanned);
}

std::optional<std::uint64_t> scanHexLongLong(std::string_view text, std::size_t* scanned) {
    return scanHex<std::uint64_t>(text, scanned);
}

std::optional<std::string> applyingTransform(std::string_view text, std::string_view transform, bool reverse) {
    // Building a transliterator parses its rules, which is slow; keep one
    // prototype per identifier and hand each call its own clone.
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<icu::Transliterator>, std::less<>> prototypes;
    std::unique_ptr<icu::Transliterator> translit;
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::string key = std::string(reverse ? "R:" : "F:") + std::string(transform);
        auto it = prototypes.find(key);
        if (it == prototypes.end()) {
            UErrorCode status = U_ZERO_ERROR;
            std::unique_ptr<icu::Transliterator> made(icu::Transliterator::createInstance(
                icu::UnicodeString::fromUTF8(icu::StringPiece(transform.data(), static_cast<int32_t>(transform.size()))),
                reverse ? UTRANS_REVERSE : UTRANS_FORWARD, status));
            if (U_FAILURE(status) || !made) return std::nullopt;
            it = prototypes.emplace(key, std::move(made)).first;
        }
        translit.reset(it->second->clone());
    }
    if (!translit) return std::nullopt;
    icu::UnicodeString u =
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    translit->transliterate(u);
    std::string out;
    u.toUTF8String(out);
    return out;
}

}  // namespace ns::str
