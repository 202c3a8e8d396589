#include "widgets/BlankIndicatorView.h"

namespace {

constexpr double kFirstLineFontSize = 12;
constexpr double kTextLineFontSize = 27;

ui::LabelPtr lineLabel(const ui::Color& color, const ui::Font& font) {
    auto label = ui::Label::create();
    label->setTextAlignment(ui::TextAlignment::Center);
    label->setBackgroundColor(ui::Color::clearColor());
    label->setTextColor(color);
    label->setFont(font);
    return label;
}

}  // namespace

void BlankIndicatorView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
    imageView_ = ui::ImageView::create();
    imageView_->setImage(ui::Image::imageNamed(kDefaultImageName));
    addSubview(imageView_);
    auto first = lineLabel(firstLineColor(), ui::Font::boldSystemFontOfSize(kFirstLineFontSize));
    addSubview(first);
    textLabels_.push_back(first);
}

void BlankIndicatorView::setImage(const ui::ImagePtr& image) {
    if (!image) return;
    imageView_->setImage(image);
    setNeedsLayout();
}

void BlankIndicatorView::setBlackIntroduceText(const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    for (const auto& label : textLabels_) label->removeFromSuperview();
    textLabels_.clear();
    for (const auto& line : lines) {
        if (line.empty()) continue;
        auto label = lineLabel(textLineColor(), ui::Font::systemFontOfSize(kTextLineFontSize));
        label->setText(line);
        addSubview(label);
        textLabels_.push_back(label);
    }
    setNeedsLayout();
}

void BlankIndicatorView::layoutSubviews() {
    View::layoutSubviews();
    const double width = frame().size.width, height = frame().size.height;
    const auto& image = imageView_->image();
    const cg::Size size = image ? image->size() : cg::Size{};
    imageView_->setFrame(cg::RectMake((width - size.width) * 0.5, 0, size.width, size.height));
    if (textLabels_.empty()) return;
    const double gap = size.height != 0 ? kImageGap : 0;
    const double pitch = (height - size.height - gap) / static_cast<double>(textLabels_.size());
    const double top = cg::RectGetMaxY(imageView_->frame()) + gap;
    for (std::size_t i = 0; i < textLabels_.size(); ++i)
        textLabels_[i]->setFrame(cg::RectMake(0, top + pitch * static_cast<double>(i), width, pitch - kLineGap));
}
