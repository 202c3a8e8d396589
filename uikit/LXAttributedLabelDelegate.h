// What an attributed label asks of its delegate; both questions optional.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/graphics/TextCheckingResult.h"
#include "platform/ui/Color.h"

class LXAttributedLabel;

class LXAttributedLabelDelegate {
public:
    virtual ~LXAttributedLabelDelegate() = default;

    // Asked before a link opens; false keeps it closed.
    virtual bool attributedLabelShouldFollowLink(const LXAttributedLabel&, const ns::TextCheckingResult& /*link*/) {
        return true;
    }

    // When implemented, the label's link colour is not used: each link takes
    // the colour answered here (none: the text keeps its colour), and the
    // delegate may change the underline value, which holds the label's
    // linkUnderlineStyle on entry.
    virtual bool implementsColorForLink() const { return false; }
    virtual std::optional<ui::Color> attributedLabelColorForLinkUnderlineStyle(const LXAttributedLabel&,
                                                                              const ns::TextCheckingResult& /*link*/,
                                                                              std::int32_t* /*underlineStyle*/) {
        return std::nullopt;
    }
};
