// A paragraph style: a set of settings, each named by a specifier. Settings
// not given read as their defaults. Immutable.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/foundation/Object.h"

namespace ct {

enum class ParagraphStyleSpecifier {
    Alignment = 0,
    FirstLineHeadIndent = 1,
    HeadIndent = 2,
    TailIndent = 3,
    TabStops = 4,
    DefaultTabInterval = 5,
    LineBreakMode = 6,
    LineHeightMultiple = 7,
    MaximumLineHeight = 8,
    MinimumLineHeight = 9,
    LineSpacing = 10,
    ParagraphSpacing = 11,
    ParagraphSpacingBefore = 12,
    BaseWritingDirection = 13,
    MaximumLineSpacing = 14,
    MinimumLineSpacing = 15,
    LineSpacingAdjustment = 16,
};

enum class TextAlignment : int { Left = 0, Right = 1, Center = 2, Justified = 3, Natural = 4 };
enum class LineBreakMode : int {
    WordWrapping = 0, CharWrapping = 1, Clipping = 2, TruncatingHead = 3, TruncatingTail = 4, TruncatingMiddle = 5
};
enum class WritingDirection : int { Natural = -1, LeftToRight = 0, RightToLeft = 1 };

struct ParagraphStyleSetting {
    ParagraphStyleSpecifier specifier;
    // Every setting is carried as a number; the enums above as their values,
    // tab stops as their count of evenly spaced stops.
    double value;
};

class ParagraphStyle : public ns::Object {
public:
    static std::shared_ptr<ParagraphStyle> create(const std::vector<ParagraphStyleSetting>& settings = {});
    std::shared_ptr<ParagraphStyle> createCopy() const;

    // The value of a specifier, or its default when it was not set.
    double value(ParagraphStyleSpecifier specifier) const;
    bool has(ParagraphStyleSpecifier specifier) const { return settings_.count(specifier) != 0; }
    const std::map<ParagraphStyleSpecifier, double>& settings() const { return settings_; }

    TextAlignment alignment() const { return TextAlignment(int(value(ParagraphStyleSpecifier::Alignment))); }
    LineBreakMode lineBreakMode() const { return LineBreakMode(int(value(ParagraphStyleSpecifier::LineBreakMode))); }
    WritingDirection baseWritingDirection() const {
        return WritingDirection(int(value(ParagraphStyleSpecifier::BaseWritingDirection)));
    }
    double firstLineHeadIndent() const { return value(ParagraphStyleSpecifier::FirstLineHeadIndent); }
    double headIndent() const { return value(ParagraphStyleSpecifier::HeadIndent); }
    double tailIndent() const { return value(ParagraphStyleSpecifier::TailIndent); }
    double lineHeightMultiple() const { return value(ParagraphStyleSpecifier::LineHeightMultiple); }
    double maximumLineHeight() const { return value(ParagraphStyleSpecifier::MaximumLineHeight); }
    double minimumLineHeight() const { return value(ParagraphStyleSpecifier::MinimumLineHeight); }
    double lineSpacing() const { return value(ParagraphStyleSpecifier::LineSpacing); }
    double paragraphSpacing() const { return value(ParagraphStyleSpecifier::ParagraphSpacing); }
    double paragraphSpacingBefore() const { return value(ParagraphStyleSpecifier::ParagraphSpacingBefore); }

    bool isEqual(const ns::Object& other) const override;
    std::size_t hash() const override { return settings_.size(); }
    std::string description() const override;

    static double defaultValue(ParagraphStyleSpecifier specifier);

private:
    std::map<ParagraphStyleSpecifier, double> settings_;
};

using ParagraphStylePtr = std::shared_ptr<ParagraphStyle>;

}  // namespace ct
