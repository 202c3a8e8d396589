#include "screens/account/TAVORouterInfoCell.h"

namespace {
constexpr double kFontSize = 16;
constexpr double kLeftX = 20;
constexpr double kGap = 40;
}  // namespace

void TAVORouterInfoCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    TableViewCell::initWithStyle(style, reuseIdentifier);
    auto make = [this](const ui::Color& color, ui::TextAlignment alignment) {
        auto label = ui::Label::create();
        label->setBackgroundColor(ui::Color::clearColor());
        label->setFont(ui::Font::systemFontOfSize(kFontSize));
        label->setTextColor(color);
        label->setTextAlignment(alignment);
        contentView()->addSubview(label);
        return label;
    };
    leftLabel_ = make(ui::Color::white(0.2), ui::TextAlignment::Left);
    rightLabel_ = make(ui::Color::rgb255(187, 187, 187), ui::TextAlignment::Right);
}

void TAVORouterInfoCell::layoutSubviews() {
    TableViewCell::layoutSubviews();
    const cg::Rect b = contentView()->bounds();
    const double w = b.size.width;
    leftLabel_->setFrame(cg::RectMake(kLeftX, 0, (w - kGap) / 2, b.size.height));
    rightLabel_->setFrame(cg::RectMake((w - kGap) / 2 + kGap, 0, w / 2 - kGap, b.size.height));
}
