#include "screens/wifi/TAVOSpeedupHeaderView.h"

#include <algorithm>
#include <cmath>

#include "core/app/TAVOImageGetter.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/graphics/Path.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/KeyframeAnimation.h"

namespace {

constexpr double kIntroduceY = 70;
constexpr double kIntroduceHeight = 36;
constexpr double kCircleSide = 150;
constexpr double kCircleCentreY = 190;
constexpr double kDotInset = 8;
constexpr double kIconSide = 39;
constexpr double kNameHeight = 20;
constexpr double kWhiteDiscMargin = 4;
constexpr double kEyeSide = 6;
constexpr double kRepeatForever = 1e9;

double radians(double degrees) { return degrees * M_PI / 180; }

std::shared_ptr<const cg::Path> mouth(double openDegrees) {
    auto path = std::make_shared<cg::Path>();
    const cg::Point centre = cg::PointMake(15, 15);
    path->moveToPoint(centre);
    path->addArc(centre, 15, radians(openDegrees), radians(360 - openDegrees), false);
    path->closeSubpath();
    return path;
}

ui::LabelPtr whiteLabel(double fontSize) {
    auto label = ui::Label::create();
    label->setTextAlignment(ui::TextAlignment::Center);
    label->setFont(ui::Font::systemFontOfSize(fontSize));
    label->setTextColor(ui::Color::whiteColor());
    label->setBackgroundColor(ui::Color::clearColor());
    label->setNumberOfLines(2);
    return label;
}

}  // namespace

TAVOSpeedupHeaderView::~TAVOSpeedupHeaderView() {
    if (shapeLayer_) shapeLayer_->removeFromSuperlayer();
}

ui::ViewPtr TAVOSpeedupHeaderView::dotRing(double alpha) {
    auto ring = ui::View::create(circleView_->frame());
    ring->setUserInteractionEnabled(false);
    auto dots = ca::ShapeLayer::create();
    dots->setFrame(ring->bounds());
    auto path = std::make_shared<cg::Path>();
    path->addEllipseInRect(cg::RectMake(kDotInset, kDotInset, kCircleSide - 2 * kDotInset, kCircleSide - 2 * kDotInset));
    dots->path = path;
    dots->fillColor = std::nullopt;
    dots->strokeColor = ui::Color::white(1, alpha);
    dots->lineWidth = 4;
    dots->lineCap = "round";
    dots->lineDashPattern = {0.1, 12};
    ring->layer()->addSublayer(dots);
    return ring;
}

void TAVOSpeedupHeaderView::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    const double w = bounds().size.width;
    introduceLabel_ = whiteLabel(13);
    introduceLabel_->setFrame(cg::RectMake(20, kIntroduceY, w - 40, kIntroduceHeight));
    addSubview(introduceLabel_);

    circleView_ = ui::ImageView::create(cg::RectMake((w - kCircleSide) / 2, kCircleCentreY - kCircleSide / 2, kCircleSide, kCircleSide));
    circleView_->setImage(ui::Image::imageNamed("home_speed-up_circle"));
    addSubview(circleView_);
    darkDotView_ = dotRing(0.3);
    addSubview(darkDotView_);
    lightDotView_ = dotRing(1);
    addSubview(lightDotView_);

    const cg::Point centre = circleView_->center();
    staticIcon_ = ui::ImageView::createWithImage(ui::Image::imageNamed("home_rocket"));
    staticIcon_->setCenter(centre);
    addSubview(staticIcon_);
    deviceTypeIcon_ = ui::ImageView::create(cg::RectMake(0, 0, kIconSide, kIconSide));
    deviceTypeIcon_->setCenter(centre);
    deviceTypeIcon_->setClipsToBounds(true);
    addSubview(deviceTypeIcon_);

    const double below = cg::RectGetMaxY(circleView_->frame());
    deviceName_ = whiteLabel(16);
    deviceName_->setFrame(cg::RectMake(20, below + 8, w - 40, kNameHeight));
    addSubview(deviceName_);
    stateLable_ = whiteLabel(12);
    stateLable_->setFrame(cg::RectMake(20, below + 8 + kNameHeight, w - 40, kNameHeight));
    addSubview(stateLable_);
    setDevice(nullptr);
}

void TAVOSpeedupHeaderView::setDevice(const TAVORouterJoiningDevicePtr& device) {
    device_ = device;
    if (!device) {
        introduceLabel_->setText(TAVOLocalizedString("unspeed up introduce"));
        for (const ui::ViewPtr& v : std::initializer_list<ui::ViewPtr>{stateLable_, deviceTypeIcon_, deviceName_,
                                                                      lightDotView_, darkDotView_})
            v->setHidden(true);
        if (bgWhiteView_) bgWhiteView_->setHidden(true);
        staticIcon_->setHidden(false);
        stopAnimation();
        return;
    }
    staticIcon_->setHidden(true);
    introduceLabel_->setText(TAVOLocalizedString("speed up introduce"));
    stateLable_->setHidden(false);
    stateLable_->setText(TAVOLocalizedString("in speed up of header"));
    lightDotView_->setHidden(false);
    darkDotView_->setHidden(false);
    deviceName_->setHidden(false);
    deviceName_->setText(
        TAVOImageGetter::getShowNameFromDevice({device->alias, device->end_type_id, device->end_type, device->end_name}));
    deviceTypeIcon_->setHidden(false);
    deviceTypeIcon_->setImage(device->is_wifi == 1 ? TAVOImageGetter::getDeviceModelIconById(device->end_type_id)
                                                   : ui::Image::imageNamed("device-list_pc"));
    const cg::Size icon = deviceTypeIcon_->bounds().size;
    const double larger = std::max(icon.width, icon.height);
    deviceTypeIcon_->layer()->setCornerRadius(larger / 2);

    if (bgWhiteView_) {
        bgWhiteView_->setHidden(true);
        bgWhiteView_->removeFromSuperview();
    }
    const double side = std::floor(larger) + kWhiteDiscMargin;
    bgWhiteView_ = ui::ImageView::createWithImage(
        TAVOCommonUtility::createImageFromColor(ui::Color::whiteColor(), cg::SizeMake(side, side)));
    bgWhiteView_->setFrame(cg::RectMake(0, 0, side, side));
    bgWhiteView_->setCenter(deviceTypeIcon_->center());
    bgWhiteView_->setClipsToBounds(true);
    bgWhiteView_->layer()->setCornerRadius(side / 2);
    insertSubviewBelow(bgWhiteView_, deviceTypeIcon_);
    startAnimation();
}

void TAVOSpeedupHeaderView::startAnimation() {
    if (isAnimating_) return;
    isAnimating_ = true;

    shapeLayer_ = ca::ShapeLayer::create();
    shapeLayer_->setBounds(cg::RectMake(0, 0, kFigureSide, kFigureSide));
    shapeLayer_->fillColor = ui::Color::whiteColor();
    shapeLayer_->strokeColor = ui::Color::clearColor();
    shapeLayer_->lineWidth = 1;
    shapeLayer_->path = mouth(35);
    auto eye = ca::ShapeLayer::create();
    eye->setFrame(cg::RectMake(10 - kEyeSide / 2, 3 - kEyeSide / 2, kEyeSide, kEyeSide));
    auto eyePath = std::make_shared<cg::Path>();
    eyePath->addArc(cg::PointMake(3, 3), 2, 0, 2 * M_PI, false);
    eye->path = eyePath;
    eye->fillColor = ui::Color::rgb255(10, 167, 75);
    shapeLayer_->addSublayer(eye);

    auto chomp = ca::BasicAnimation::animationWithKeyPath("path");
    chomp->fromValue = mouth(35);
    chomp->toValue = mouth(1);
    chomp->duration = kChompSeconds;
    chomp->autoreverses = true;
    chomp->repeatCount = kRepeatForever;
    shapeLayer_->addAnimation(chomp, kChompKey);

    const cg::Rect ring = circleView_->frame();
    const cg::Point centre = cg::PointMake(cg::RectGetMidX(ring), cg::RectGetMidY(ring));
    const double radius = ring.size.width / 2 - kDotInset;
    auto lap = std::make_shared<cg::Path>();
    lap->addArc(centre, radius, radians(-91), radians(268), false);
    auto move = ca::KeyframeAnimation::animationWithKeyPath("position");
    move->path = lap;
    move->duration = kLapSeconds;
    move->repeatCount = kRepeatForever;
    shapeLayer_->setPosition(cg::PointMake(centre.x, centre.y - radius));
    shapeLayer_->addAnimation(move, kMoveKey);
    layer()->addSublayer(shapeLayer_);

    maskLayer_ = ca::ShapeLayer::create();
    maskLayer_->setFrame(lightDotView_->bounds());
    auto maskPath = std::make_shared<cg::Path>();
    const double half = ring.size.width / 2;
    maskPath->addArc(cg::PointMake(half, half), radius, radians(-90), radians(270), false);
    maskLayer_->path = maskPath;
    maskLayer_->fillColor = std::nullopt;
    maskLayer_->strokeColor = ui::Color::whiteColor();
    maskLayer_->lineWidth = 2 * kDotInset;
    auto uncover = ca::BasicAnimation::animationWithKeyPath("strokeEnd");
    uncover->fromValue = 0.0;
    uncover->toValue = 1.0;
    uncover->duration = kLapSeconds;
    uncover->repeatCount = kRepeatForever;
    maskLayer_->addAnimation(uncover, kMaskKey);
    lightDotView_->layer()->setMask(maskLayer_);
}

void TAVOSpeedupHeaderView::removeFigure() {
    if (shapeLayer_) {
        shapeLayer_->removeAllAnimations();
        shapeLayer_->removeFromSuperlayer();
    }
    shapeLayer_ = nullptr;
    isAnimating_ = false;
}

void TAVOSpeedupHeaderView::stopAnimation() {
    removeFigure();
    if (lightDotView_) lightDotView_->layer()->setMask(nullptr);
    maskLayer_ = nullptr;
    if (darkDotView_) darkDotView_->setHidden(true);
}
