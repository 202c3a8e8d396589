#include "uikit/LXParagraphStyle.h"

using Specifier = ct::ParagraphStyleSpecifier;

LXParagraphStyle LXParagraphStyle::paragraphStyleWithCTParagraphStyle(const ct::ParagraphStylePtr& given) {
    const auto style = given ? given : ct::ParagraphStyle::create();
    LXParagraphStyle record;
    record.lineSpacing = float(style->lineSpacing());
    record.paragraphSpacing = float(style->paragraphSpacing());
    record.textAlignment = style->alignment();
    record.lineBreakMode = style->lineBreakMode();
    record.firstLineHeadIndent = float(style->firstLineHeadIndent());
    record.headIndent = float(style->headIndent());
    record.tailIndent = float(style->tailIndent());
    record.baseWritingDirection = style->baseWritingDirection();
    record.minimumLineHeight = float(style->minimumLineHeight());
    record.maximumLineHeight = float(style->maximumLineHeight());
    record.lineHeightMultiple = float(style->lineHeightMultiple());
    record.paragraphSpacingBefore = float(style->paragraphSpacingBefore());
    return record;
}

ct::ParagraphStylePtr LXParagraphStyle::createCTParagraphStyle() const {
    return ct::ParagraphStyle::create({
        {Specifier::LineSpacing, lineSpacing},
        {Specifier::ParagraphSpacing, paragraphSpacing},
        {Specifier::Alignment, double(textAlignment)},
        {Specifier::LineBreakMode, double(lineBreakMode)},
        {Specifier::FirstLineHeadIndent, firstLineHeadIndent},
        {Specifier::HeadIndent, headIndent},
        {Specifier::TailIndent, tailIndent},
        {Specifier::BaseWritingDirection, double(baseWritingDirection)},
        {Specifier::MinimumLineHeight, minimumLineHeight},
        {Specifier::MaximumLineHeight, maximumLineHeight},
        {Specifier::LineHeightMultiple, lineHeightMultiple},
        {Specifier::ParagraphSpacingBefore, paragraphSpacingBefore},
    });
}
