#include "platform/foundation/CharacterSet.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <vector>

#include "platform/foundation/Utf16.h"

namespace ns {

namespace {

std::vector<char32_t> codePoints(std::string_view text) {
    std::vector<char32_t> out;
    std::size_t pos = 0;
    while (pos < text.size()) out.push_back(utf16::decodeUtf8(text, pos));
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

bool isWhitespace(char32_t c) { return c == '\t' || u_charType(static_cast<UChar32>(c)) == U_SPACE_SEPARATOR; }
bool isNewline(char32_t c) { return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029; }

// An ASCII-only set: alphanumerics plus the listed characters.
CharacterSet asciiAlnumPlus(std::string_view extra) {
    CharacterSet set = CharacterSet::characterSetWithRange('a', 26);
    set = set.unioned(CharacterSet::characterSetWithRange('A', 26));
    set = set.unioned(CharacterSet::characterSetWithRange('0', 10));
    set.addCharactersInString(extra);
    return set;
}

}  // namespace

CharacterSet::CharacterSet() : test_([](char32_t) { return false; }) {}

CharacterSet CharacterSet::characterSetWithCharactersInString(std::string_view characters) {
    auto points = std::make_shared<std::vector<char32_t>>(codePoints(characters));
    return CharacterSet([points](char32_t c) { return std::binary_search(points->begin(), points->end(), c); });
}

CharacterSet CharacterSet::characterSetWithRange(char32_t first, char32_t length) {
    return CharacterSet([first, length](char32_t c) { return c >= first && c - first < length; });
}

const CharacterSet& CharacterSet::whitespace() {
    static const CharacterSet set(isWhitespace);
    return set;
}
const CharacterSet& CharacterSet::whitespaceAndNewline() {
    static const CharacterSet set([](char32_t c) { return isWhitespace(c) || isNewline(c); });
    return set;
}
const CharacterSet& CharacterSet::newline() {
    static const CharacterSet set(isNewline);
    return set;
}
const CharacterSet& CharacterSet::decimalDigit() {
    static const CharacterSet set([](char32_t c) { return u_charType(static_cast<UChar32>(c)) == U_DECIMAL_DIGIT_NUMBER; });
    return set;
}
const CharacterSet& CharacterSet::letter() {
    static const CharacterSet set([](char32_t c) {
        auto m = U_GET_GC_MASK(static_cast<UChar32>(c));
        return (m & (U_GC_L_MASK | U_GC_M_MASK)) != 0;
    });
    return set;
}
const CharacterSet& CharacterSet::lowercaseLetter() {
    static const CharacterSet set([](char32_t c) { return u_charType(static_cast<UChar32>(c)) == U_LOWERCASE_LETTER; });
    return set;
}
const CharacterSet& CharacterSet::uppercaseLetter() {
    static const CharacterSet set([](char32_t c) {
        auto t = u_charType(static_cast<UChar32>(c));
        return t == U_UPPERCASE_LETTER || t == U_TITLECASE_LETTER;
    });
    return set;
}
const CharacterSet& CharacterSet::alphanumeric() {
    static const CharacterSet set([](char32_t c) {
        auto m = U_GET_GC_MASK(static_cast<UChar32>(c));
        return (m & (U_GC_L_MASK | U_GC_M_MASK | U_GC_N_MASK)) != 0;
    });
    return set;
}
const CharacterSet& CharacterSet::punctuation() {
    static const CharacterSet set([](char32_t c) { return (U_GET_GC_MASK(static_cast<UChar32>(c)) & U_GC_P_MASK) != 0; });
    return set;
}
const CharacterSet& CharacterSet::controlCharacter() {
    static const CharacterSet set([](char32_t c) {
        auto t = u_charType(static_cast<UChar32>(c));
        return t == U_CONTROL_CHAR || t == U_FORMAT_CHAR;
    });
    return set;
}

const CharacterSet& CharacterSet::URLUserAllowed() {
    static const CharacterSet set = asciiAlnumPlus("-._~!$&'()*+,;=");
    return set;
}
const CharacterSet& CharacterSet::URLPasswordAllowed() {
    static const CharacterSet set = asciiAlnumPlus("-._~!$&'()*+,;=");
    return set;
}
const CharacterSet& CharacterSet::URLHostAllowed() {
    static const CharacterSet set = asciiAlnumPlus("-._~!$&'()*+,;=:[]");
    return set;
}
const CharacterSet& CharacterSet::URLPathAllowed() {
    static const CharacterSet set = asciiAlnumPlus("-._~!$&'()*+,;=:@/");
    return set;
}
const CharacterSet& CharacterSet::URLQueryAllowed() {
    static const CharacterSet set = asciiAlnumPlus("-._~!$&'()*+,;=:@/?");
    return set;
}
const CharacterSet& CharacterSet::URLFragmentAllowed() {
    static const CharacterSet set = asciiAlnumPlus("-._~!$&'()*+,;=:@/?");
    return set;
}

CharacterSet CharacterSet::inverted() const {
    auto test = test_;
    return CharacterSet([test](char32_t c) { return !test(c); });
}

CharacterSet CharacterSet::unioned(const CharacterSet& other) const {
    auto a = test_;
    auto b = other.test_;
    return CharacterSet([a, b](char32_t c) { return a(c) || b(c); });
}

CharacterSet CharacterSet::intersected(const CharacterSet& other) const {
    auto a = test_;
    auto b = other.test_;
    return CharacterSet([a, b](char32_t c) { return a(c) && b(c); });
}

void CharacterSet::addCharactersInString(std::string_view characters) {
    *this = unioned(characterSetWithCharactersInString(characters));
}

void CharacterSet::removeCharactersInString(std::string_view characters) {
    *this = intersected(characterSetWithCharactersInString(characters).inverted());
}

}  // namespace ns
