// The paragraph settings styled texts use, as one plain mutable record: the
// twelve settings below and nothing else. Turning a Core Text paragraph
// style into a record and back keeps these twelve and drops the rest (tab
// stops and the like).
#pragma once

#include <cstdint>

#include "platform/graphics/ParagraphStyle.h"

struct LXParagraphStyle {
    float lineSpacing = 0;
    float paragraphSpacing = 0;
    ct::TextAlignment textAlignment = ct::TextAlignment::Natural;
    ct::LineBreakMode lineBreakMode = ct::LineBreakMode::WordWrapping;
    float firstLineHeadIndent = 0;
    float headIndent = 0;
    float tailIndent = 0;
    ct::WritingDirection baseWritingDirection = ct::WritingDirection::Natural;
    float minimumLineHeight = 0;
    float maximumLineHeight = 0;
    float lineHeightMultiple = 0;
    float paragraphSpacingBefore = 0;

    // The values of a paragraph style with no settings.
    static LXParagraphStyle defaultParagraphStyle() { return paragraphStyleWithCTParagraphStyle(nullptr); }
    // The twelve settings read from the style; defaults for none.
    static LXParagraphStyle paragraphStyleWithCTParagraphStyle(const ct::ParagraphStylePtr& style);
    // A new Core Text style carrying all twelve settings.
    ct::ParagraphStylePtr createCTParagraphStyle() const;

    bool operator==(const LXParagraphStyle&) const = default;
};
