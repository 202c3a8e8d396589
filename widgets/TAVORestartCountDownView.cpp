#include "widgets/TAVORestartCountDownView.h"

#include <cmath>

namespace {

constexpr const char* kBackgroundImage = "bg_countdown_visitor_mywifi";
// The circle is this much wider and taller than its picture.
constexpr double kCircleGrowth = 30;
constexpr double kVeilAlpha = 0.6;
constexpr double kInfoFontSize = 45;
constexpr double kContentHeight = 30;
constexpr double kContentDrop = 25;
constexpr double kContentGrey = 0.4;
constexpr double kContentFontSize = 13;

}  // namespace

void TAVORestartCountDownView::initWithFrame(const cg::Rect& frame) {
    TAVOCountDownView::initWithFrame(frame);
    auto background = ui::Image::imageNamed(kBackgroundImage);
    cg::Size size = background ? background->size() : cg::Size{};
    size.width += kCircleGrowth;
    size.height += kCircleGrowth;
    const cg::Rect b = bounds();
    bgView()->setFrame(cg::RectMake((b.size.width - size.width) / 2, std::ceil((b.size.height - size.height) / 2),
                                    size.width, size.height));
    bgView()->setEnabled(false);
    for (unsigned state : {ui::ControlStateNormal, ui::ControlStateHighlighted, ui::ControlStateDisabled})
        bgView()->setImage(nullptr, state);
    bgView()->setBackgroundImage(background, ui::ControlStateNormal);
    bgView()->setBackgroundImage(background, ui::ControlStateDisabled);
    animationCircleView()->setFrame(bgView()->frame());

    auto veil = ui::View::create(b);
    veil->setBackgroundColor(ui::Color::blackColor());
    veil->setAlpha(kVeilAlpha);
    insertSubviewAtIndex(veil, 0);

    infoLabel()->setFont(ui::Font::systemFontOfSize(kInfoFontSize));
}

void TAVORestartCountDownView::setIntroduceContent(const std::string& text) {
    if (text.empty()) return;
    if (!contentLabel_) {
        const double width = bounds().size.width / 2;
        contentLabel_ = ui::Label::create(cg::RectMake(0, 0, width, kContentHeight));
        contentLabel_->setTextAlignment(ui::TextAlignment::Center);
        contentLabel_->setBackgroundColor(ui::Color::clearColor());
        contentLabel_->setTextColor(ui::Color::white(kContentGrey));
        contentLabel_->setFont(ui::Font::systemFontOfSize(kContentFontSize));
        contentLabel_->setCenter({center().x, center().y + kContentDrop});
        addSubview(contentLabel_);
    }
    contentLabel_->setText(text);
}
