// Making attributed strings and reading their styles back. Styles are the
// text layer's own attributes (ct::k...AttributeName) plus links, a URL
// under kLXLinkAttributeName; the attributed label treats every range
// carrying one as a link. Indices and ranges count UTF-16 units.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/foundation/URL.h"
#include "platform/graphics/AttributedString.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/Color.h"
#include "uikit/LXParagraphStyle.h"

// The attribute that makes a range a link; its value is an ns::URL.
inline constexpr const char* kLXLinkAttributeName = "NSLinkAttributeName";

class LXCommodityConstructors {
public:
    LXCommodityConstructors() = delete;

    // The plain text without attributes; null for no text.
    static ns::AttributedStringPtr attributedStringWithString(const std::optional<std::string>& string);
    // An independent copy; null for null.
    static ns::AttributedStringPtr attributedStringWithAttributedString(const ns::AttributedStringPtr& text);

    // The size the whole text needs within maxSize, each side rounded as
    // floor(side + 1); fitRange receives the part of the text that fits.
    static cg::Size sizeConstrainedToSize(const ns::AttributedString& text, cg::Size maxSize,
                                          ns::Range* fitRange = nullptr);

    // Styles at an index; effectiveRange receives the stretch they hold over.
    static ct::FontPtr fontAtIndex(const ns::AttributedString& text, std::size_t index,
                                   ns::Range* effectiveRange = nullptr);
    static std::optional<ui::Color> textColorAtIndex(const ns::AttributedString& text, std::size_t index,
                                                     ns::Range* effectiveRange = nullptr);
    // The whole underline value (style in the low 8 bits, pattern above); 0 when none.
    static std::int32_t textUnderlineStyleAtIndex(const ns::AttributedString& text, std::size_t index,
                                                  ns::Range* effectiveRange = nullptr);
    // Only the style bits count: a pattern alone is no underline.
    static bool textIsUnderlinedAtIndex(const ns::AttributedString& text, std::size_t index,
                                        ns::Range* effectiveRange = nullptr);
    static bool textIsBoldAtIndex(const ns::AttributedString& text, std::size_t index,
                                  ns::Range* effectiveRange = nullptr);
    // Natural when no paragraph style is set.
    static ct::TextAlignment textAlignmentAtIndex(const ns::AttributedString& text, std::size_t index,
                                                  ns::Range* effectiveRange = nullptr);
    // Word wrapping when no paragraph style is set.
    static ct::LineBreakMode lineBreakModeAtIndex(const ns::AttributedString& text, std::size_t index,
                                                  ns::Range* effectiveRange = nullptr);
    static LXParagraphStyle paragraphStyleAtIndex(const ns::AttributedString& text, std::size_t index,
                                                  ns::Range* effectiveRange = nullptr);
    static ns::URLPtr linkAtIndex(const ns::AttributedString& text, std::size_t index,
                                  ns::Range* effectiveRange = nullptr);
};
