// A set of Unicode characters (code points), as the platform's character
// sets: predefined sets for trimming, splitting and URL escaping, sets made
// from the characters of a text, and their inverses and unions.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

namespace ns {

class CharacterSet {
public:
    // The empty set.
    CharacterSet();

    static CharacterSet characterSetWithCharactersInString(std::string_view characters);
    // The code points [first, first + length).
    static CharacterSet characterSetWithRange(char32_t first, char32_t length);

    // Space separators (Unicode Zs) and tab.
    static const CharacterSet& whitespace();
    // Whitespace plus U+000A..U+000D, U+0085, U+2028 and U+2029.
    static const CharacterSet& whitespaceAndNewline();
    static const CharacterSet& newline();
    static const CharacterSet& decimalDigit();
    static const CharacterSet& letter();
    static const CharacterSet& lowercaseLetter();
    static const CharacterSet& uppercaseLetter();
    static const CharacterSet& alphanumeric();
    static const CharacterSet& punctuation();
    static const CharacterSet& controlCharacter();

    // What each URL component may hold unescaped (ASCII only).
    static const CharacterSet& URLUserAllowed();
    static const CharacterSet& URLPasswordAllowed();
    static const CharacterSet& URLHostAllowed();
    static const CharacterSet& URLPathAllowed();
    static const CharacterSet& URLQueryAllowed();
    static const CharacterSet& URLFragmentAllowed();

    bool contains(char32_t c) const { return test_(c); }
    CharacterSet inverted() const;
    CharacterSet unioned(const CharacterSet& other) const;
    CharacterSet intersected(const CharacterSet& other) const;
    void addCharactersInString(std::string_view characters);
    void removeCharactersInString(std::string_view characters);

private:
    explicit CharacterSet(std::function<bool(char32_t)> test) : test_(std::move(test)) {}
    std::function<bool(char32_t)> test_;
};

}  // namespace ns
