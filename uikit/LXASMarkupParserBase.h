// Turns light markup inside a text into styles: each rule is a pattern and
// a block that builds the styled replacement of one match. A parser is
// stateless; concrete parsers only supply their rules.
//
//   auto styled = LXASBasicHTMLParser().attributedStringByProcessingMarkupInString("<b>hi</b> there");
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/graphics/AttributedString.h"
#include "platform/graphics/TextCheckingResult.h"
#include "platform/ui/Color.h"

class LXASMarkupParserBase {
public:
    // Builds what replaces the whole match, from the text as it stood
    // before the rule ran; null leaves the match (markup included) as written.
    using Replacement = std::function<ns::AttributedStringPtr(const ns::AttributedString& snapshot,
                                                              const ns::TextCheckingResult& match)>;
    // Pattern and replacement. Rules must not depend on one another's order.
    using TagMappings = std::vector<std::pair<std::string, Replacement>>;

    virtual ~LXASMarkupParserBase() = default;
    virtual TagMappings tagMappings() const = 0;

    // Applies every rule to the text in place.
    void processMarkupInAttributedString(ns::AttributedString& text) const;
    // A processed copy.
    ns::AttributedStringPtr attributedStringByProcessingMarkupInAttributedString(const ns::AttributedString& text) const;
    ns::AttributedStringPtr attributedStringByProcessingMarkupInString(std::string_view text) const;

    // "#RGB", "#RGBA", "#RRGGBB", "#RRGGBBAA" or the name of a predefined
    // colour in lower case ("red"); none for anything else.
    static std::optional<ui::Color> colorFromString(std::string_view text);

protected:
    // The match's capture group as styled text of the snapshot; null when
    // the group is empty or took no part.
    static ns::AttributedStringPtr group(const ns::AttributedString& snapshot, const ns::TextCheckingResult& match,
                                         std::size_t index);
    static std::string groupText(const ns::AttributedString& snapshot, const ns::TextCheckingResult& match,
                                 std::size_t index);
};
