// A transfer speed as text: the number larger and darker than its unit.
// Speeds arrive in KB/s; formatStringForSpeed is the one place that turns
// them into text (also for callers that only want the text).
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Color.h"
#include "uikit/LXAttributedLabel.h"

class TAVOSpeedLabel : public LXAttributedLabel {
public:
    using LXAttributedLabel::LXAttributedLabel;
    static std::shared_ptr<TAVOSpeedLabel> create(const cg::Rect& frame = {}) { return make<TAVOSpeedLabel>(frame); }

    static constexpr double kDefaultSpeedTextSize = 15;
    static constexpr double kDefaultUnitTextSize = 12;

    // "1.0 GB/s" above 1048576 KB/s, "1024.0 MB/s" above 1024, "12 KB/s"
    // from 1 up, "0.5 KB/s" below 1 and "0 KB/s" for what rounds to nothing.
    static std::string formatStringForSpeed(double speedKB);

    double speedKB() const { return speedKB_; }
    // Stores the speed and shows it.
    void setSpeedKB(double speedKB);

    // Sizes not above 0 and unset colours read as the defaults. Changing
    // them restyles nothing until the next text.
    double speedTextSize() const { return speedTextSize_ > 0 ? speedTextSize_ : kDefaultSpeedTextSize; }
    void setSpeedTextSize(double size) { speedTextSize_ = size; }
    ui::Color speedTextColor() const { return speedTextColor_ ? *speedTextColor_ : ui::Color::darkGrayColor(); }
    void setSpeedTextColor(const ui::OptionalColor& color) { speedTextColor_ = color; }
    double unitTextSize() const { return unitTextSize_ > 0 ? unitTextSize_ : kDefaultUnitTextSize; }
    void setUnitTextSize(double size) { unitTextSize_ = size; }
    ui::Color unitTextColor() const { return unitTextColor_ ? *unitTextColor_ : ui::Color::lightGrayColor(); }
    void setUnitTextColor(const ui::OptionalColor& color) { unitTextColor_ = color; }

    // The label's text, then styled: all of it as the unit, the first
    // number at the speed size (and in the speed colour unless it is "0").
    void setText(const std::string& text);

private:
    double speedKB_ = 0;
    double speedTextSize_ = 0;
    ui::OptionalColor speedTextColor_;
    double unitTextSize_ = 0;
    ui::OptionalColor unitTextColor_;
};

using TAVOSpeedLabelPtr = std::shared_ptr<TAVOSpeedLabel>;
