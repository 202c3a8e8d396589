#include "platform/graphics/ParagraphStyle.h"

#include <cmath>

namespace ct {

std::shared_ptr<ParagraphStyle> ParagraphStyle::create(const std::vector<ParagraphStyleSetting>& settings) {
    auto style = std::make_shared<ParagraphStyle>();
    for (const auto& s : settings) {
        int specifier = int(s.specifier);
        if (specifier < 0 || specifier > int(ParagraphStyleSpecifier::LineSpacingAdjustment) || !std::isfinite(s.value)) continue;
        style->settings_[s.specifier] = s.value;
    }
    return style;
}

std::shared_ptr<ParagraphStyle> ParagraphStyle::createCopy() const {
    auto copy = std::make_shared<ParagraphStyle>();
    copy->settings_ = settings_;
    return copy;
}

double ParagraphStyle::defaultValue(ParagraphStyleSpecifier specifier) {
    switch (specifier) {
    case ParagraphStyleSpecifier::Alignment: return double(TextAlignment::Natural);
    case ParagraphStyleSpecifier::BaseWritingDirection: return double(WritingDirection::Natural);
    case ParagraphStyleSpecifier::TabStops: return 12;  // twelve stops, 28 points apart
    default: return 0;
    }
}

double ParagraphStyle::value(ParagraphStyleSpecifier specifier) const {
    auto it = settings_.find(specifier);
    return it == settings_.end() ? defaultValue(specifier) : it->second;
}

bool ParagraphStyle::isEqual(const ns::Object& other) const {
    auto* o = dynamic_cast<const ParagraphStyle*>(&other);
    if (!o) return false;
    // Unset and explicitly default settings read the same.
    for (int s = 0; s <= int(ParagraphStyleSpecifier::LineSpacingAdjustment); ++s) {
        if (value(ParagraphStyleSpecifier(s)) != o->value(ParagraphStyleSpecifier(s))) return false;
    }
    return true;
}

std::string ParagraphStyle::description() const {
    std::string out = "<ParagraphStyle:";
    for (const auto& [k, v] : settings_) out += " " + std::to_string(int(k)) + "=" + std::to_string(v);
    return out + ">";
}

}  // namespace ct
