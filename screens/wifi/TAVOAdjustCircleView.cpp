#include "screens/wifi/TAVOAdjustCircleView.h"

#include <algorithm>
#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "platform/graphics/Path.h"
#include "platform/ui/Touch.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kStep = kPi / 5;
constexpr double kReach = 2 * kPi / 5;
constexpr double kLabelHeight = 24;
constexpr const char* kInitialTitle = "普通模式";

}  // namespace

double TAVOAdjustCircleView::angleOfPosition(int position) { return (3 - position) * kStep; }

int TAVOAdjustCircleView::positionOfAngle(double angle) {
    const double g = (angle - kPi / 10) / kStep;
    if (angle > 0) return static_cast<int>(std::trunc(3 - g));
    return 3 - static_cast<int>(std::trunc(g));
}

std::optional<std::string> TAVOAdjustCircleView::getIntroduceKey(int position) {
    static const char* const keys[] = {"radio power most weak mode for title", "radio power weak mode for title",
                                       "radio power normal mode for title", "radio power strong mode for title",
                                       "radio power more strong mode for title"};
    if (position < 0 || position > 4) return std::nullopt;
    return std::string(keys[position]);
}

void TAVOAdjustCircleView::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    const double w = frame.size.width;
    bgBtn_ = ui::ImageView::createWithImage(ui::Image::imageNamed("bg_radio_btn_appcenter"));
    bgBtn_->setContentMode(ui::ContentMode::Center);
    const cg::Size knob = bgBtn_->frame().size;
    bgBtn_->setFrame(cg::RectMake((w - knob.width) / 2, 0, knob.width, knob.height));
    addSubview(bgBtn_);

    adjustImageView_ = ui::ImageView::createWithImage(ui::Image::imageNamed("icon_radio_btn_appcenter"));
    adjustImageView_->setFrame(bgBtn_->frame());
    addSubview(adjustImageView_);

    const double indicatorTop = bgBtn_->center().y + kIndicatorDrop;
    currentRadioIndicator_ = ui::ImageView::create(cg::RectMake(0, indicatorTop, w, std::max(0.0, frame.size.height - indicatorTop)));
    currentRadioIndicator_->setContentMode(ui::ContentMode::Top);
    addSubview(currentRadioIndicator_);

    introduceLabel_ = ui::Label::create(cg::RectMake(0, bgBtn_->center().y - kLabelHeight / 2, w, kLabelHeight));
    introduceLabel_->setTextColor(ui::Color::rgb255(85, 85, 85));
    introduceLabel_->setTextAlignment(ui::TextAlignment::Center);
    introduceLabel_->setBackgroundColor(ui::Color::clearColor());
    introduceLabel_->setText(kInitialTitle);
    addSubview(introduceLabel_);

    shapeLayer_ = ca::ShapeLayer::create();
    shapeLayer_->setFrame(bgBtn_->bounds());
    shapeLayer_->strokeColor = ui::Color::clearColor();
    shapeLayer_->fillColor = ui::Color::rgb255(10, 167, 75);
    bgBtn_->layer()->addSublayer(shapeLayer_);

    position_ = kInitialPosition;
    currentAngel_ = lastAngel_ = angleOfPosition(position_);
    showStepImage();
}

void TAVOAdjustCircleView::setPosition(int position) {
    if (position == position_) return;
    position_ = position;
    currentAngel_ = lastAngel_ = angleOfPosition(position);
    circle(currentAngel_, false);
    showStepTitle();
}

void TAVOAdjustCircleView::showStepImage() {
    currentRadioIndicator_->setImage(ui::Image::imageNamed("icon_radio_adjust_" + std::to_string(position_)));
}

void TAVOAdjustCircleView::showStepTitle() {
    const auto key = getIntroduceKey(position_);
    introduceLabel_->setText(key ? TAVOLocalizedString(*key) : std::string());
}

void TAVOAdjustCircleView::circle(double angle, bool animation) {
    const double radius = bgBtn_->bounds().size.width / 2;
    const cg::Point centre = cg::PointMake(bgBtn_->bounds().size.width / 2, bgBtn_->bounds().size.height / 2);
    const double from = std::min(lastAngel_, currentAngel_) + kPi / 2;
    const double to = std::max(lastAngel_, currentAngel_) + kPi / 2;
    auto path = std::make_shared<cg::Path>();
    path->addArc(centre, radius, from, to, true);
    path->addLineToPoint(centre);
    path->closeSubpath();
    auto apply = [this, angle, path] {
        adjustImageView_->setTransform(cg::AffineTransformMakeRotation(angle));
        shapeLayer_->path = path;
        shapeLayer_->setOpacity(1);
    };
    if (!animation) {
        apply();
        showStepImage();
        return;
    }
    std::weak_ptr<TAVOAdjustCircleView> weak = self<TAVOAdjustCircleView>();
    ui::ViewAnimation::animate(kDrawDuration, apply, [weak](bool) {
        auto view = weak.lock();
        if (!view) return;
        ui::ViewAnimation::animate(kDrawDuration, [view] { view->shapeLayer_->setOpacity(0); });
        view->showStepImage();
    });
}

void TAVOAdjustCircleView::update(const cg::Point& point, bool end) {
    const double half = adjustImageView_->bounds().size.width / 2;
    const double dx = point.x - lastPoint_.x;
    lastPoint_ = point;
    if (half > 0) currentAngel_ -= dx * (4 * kPi / 5) / half;
    currentAngel_ = std::clamp(currentAngel_, -kReach, kReach);
    position_ = positionOfAngle(currentAngel_);
    if (!end) {
        circle(currentAngel_, false);
        return;
    }
    currentAngel_ = angleOfPosition(position_);
    circle(currentAngel_, true);
    showStepTitle();
    if (auto d = delegate()) d->circleView(*this, position_);
}

void TAVOAdjustCircleView::touchesBegan(const ui::TouchSet& touches, const ui::Event*) {
    if (touches.empty()) return;
    lastAngel_ = currentAngel_;
    lastPoint_ = touches.front()->locationInView(self<TAVOAdjustCircleView>());
}

void TAVOAdjustCircleView::touchesMoved(const ui::TouchSet& touches, const ui::Event*) {
    if (!touches.empty()) update(touches.front()->locationInView(self<TAVOAdjustCircleView>()), false);
}

void TAVOAdjustCircleView::touchesEnded(const ui::TouchSet& touches, const ui::Event*) {
    if (!touches.empty()) update(touches.front()->locationInView(self<TAVOAdjustCircleView>()), true);
}
