#include "uikit/LXASMarkupParserBase.h"

#include <array>
#include <cctype>

#include "platform/graphics/RegularExpression.h"

namespace {

constexpr unsigned kRuleOptions = ns::RegularExpressionDotMatchesLineSeparators |
                                  ns::RegularExpressionAnchorsMatchLines |
                                  ns::RegularExpressionUseUnicodeWordBoundaries;

// The predefined colours a one-word name may ask for.
struct NamedColor {
    const char* name;
    ui::Color (*make)();
};
const std::array<NamedColor, 13> kNamedColors{{
    {"black", &ui::Color::blackColor},
    {"white", &ui::Color::whiteColor},
    {"gray", &ui::Color::grayColor},
    {"red", &ui::Color::redColor},
    {"green", &ui::Color::greenColor},
    {"blue", &ui::Color::blueColor},
    {"cyan", &ui::Color::cyanColor},
    {"yellow", &ui::Color::yellowColor},
    {"magenta", &ui::Color::magentaColor},
    {"orange", &ui::Color::orangeColor},
    {"purple", &ui::Color::purpleColor},
    {"brown", &ui::Color::brownColor},
    {"clear", &ui::Color::clearColor},
}};

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<ui::Color> colorFromHex(std::string_view digits) {
    std::vector<int> values;
    for (char c : digits) {
        int v = hexDigit(c);
        if (v < 0) return std::nullopt;
        values.push_back(v);
    }
    switch (digits.size()) {
        case 3:
        case 4: {
            double alpha = digits.size() == 4 ? values[3] / 15.0 : 1.0;
            return ui::Color::rgba(values[0] / 15.0, values[1] / 15.0, values[2] / 15.0, alpha);
        }
        case 6:
        case 8: {
            auto pair = [&](std::size_t i) { return (values[2 * i] * 16 + values[2 * i + 1]) / 255.0; };
            double alpha = digits.size() == 8 ? pair(3) : 1.0;
            return ui::Color::rgba(pair(0), pair(1), pair(2), alpha);
        }
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<ui::Color> LXASMarkupParserBase::colorFromString(std::string_view text) {
    if (!text.empty() && text.front() == '#') return colorFromHex(text.substr(1));
    std::string lower(text);
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    for (const auto& named : kNamedColors)
        if (lower == named.name) return named.make();
    return std::nullopt;
}

ns::AttributedStringPtr LXASMarkupParserBase::group(const ns::AttributedString& snapshot,
                                                    const ns::TextCheckingResult& match, std::size_t index) {
    const ns::Range range = match.rangeAtIndex(index);
    if (!range.found() || range.length == 0) return nullptr;
    return snapshot.attributedSubstringFromRange(range);
}

std::string LXASMarkupParserBase::groupText(const ns::AttributedString& snapshot, const ns::TextCheckingResult& match,
                                            std::size_t index) {
    auto part = group(snapshot, match, index);
    return part ? part->string() : std::string();
}

void LXASMarkupParserBase::processMarkupInAttributedString(ns::AttributedString& text) const {
    for (const auto& [pattern, replacement] : tagMappings()) {
        auto rule = ns::RegularExpression::create(pattern, kRuleOptions);
        if (!rule) continue;
        const auto snapshot = text.copy();
        // How far the live text has moved against the snapshot so far.
        std::ptrdiff_t shift = 0;
        for (const auto& match : rule->matchesInString(snapshot->string(), 0, ns::Range{0, snapshot->length()})) {
            auto styled = replacement(*snapshot, *match);
            if (!styled) continue;
            const ns::Range found = match->range();
            const ns::Range live{std::size_t(std::ptrdiff_t(found.location) - shift), found.length};
            text.replaceCharactersInRange(live, *styled);
            shift += std::ptrdiff_t(found.length) - std::ptrdiff_t(styled->length());
        }
    }
}

ns::AttributedStringPtr LXASMarkupParserBase::attributedStringByProcessingMarkupInAttributedString(
    const ns::AttributedString& text) const {
    auto copy = text.copy();
    processMarkupInAttributedString(*copy);
    return copy;
}

ns::AttributedStringPtr LXASMarkupParserBase::attributedStringByProcessingMarkupInString(std::string_view text) const {
    auto styled = ns::AttributedString::create(text);
    processMarkupInAttributedString(*styled);
    return styled;
}
