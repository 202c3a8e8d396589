#include "screens/wifi/TAVODeviceItemCell.h"

#include <cmath>

#include "core/app/TAVOImageGetter.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/TapGestureRecognizer.h"

namespace {

constexpr double kIconX = 13;
constexpr double kIconSide = 36;
constexpr double kNameGap = 13;
constexpr double kNameToSignal = 10;
constexpr double kArrowSide = 20;
constexpr double kArrowRight = 10;
constexpr double kArrowTop = 10;
constexpr double kSignalWidth = 20;
constexpr double kSignalHeight = 16;
constexpr double kSignalToArrow = 10;
constexpr double kBandLabelHeight = 12;
constexpr double kBandFontSize = 10;
constexpr double kCutOffSide = 16;
constexpr double kSpeedIconSide = 12;
constexpr double kSpeedLabelWidth = 70;
constexpr double kSpeedColumn = 90;
constexpr double kSpeedFontSize = 11;
constexpr double kNameFontSize = 16;
// A limited device's name gives up this much room to the mark.
constexpr double kLimitRoom = 45;
constexpr double kLimitGap = 5;
constexpr double kLimitTop = 13;
constexpr double kLimitWidth = 30;
constexpr double kLimitFontSize = 10;
constexpr int kLimitBorderGrey = 85;

ui::Color bandGreen() { return ui::Color::rgb255(10, 167, 75); }

std::shared_ptr<ui::ImageView> namedImageView(const char* name) {
    auto view = ui::ImageView::create();
    if (name) view->setImage(ui::Image::imageNamed(name));
    return view;
}

}  // namespace

void TAVODeviceItemCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    SlideTableViewCell::initWithStyle(style, reuseIdentifier);
    selectionStyle = ui::TableViewCellSelectionStyle::None;
    const auto content = contentView();

    iconView_ = namedImageView("device_icon_phone");
    adminView_ = namedImageView("device-list_admin");
    adminView_->setHidden(true);
    name_ = ui::Label::create();
    name_->setFont(ui::Font::systemFontOfSize(kNameFontSize));
    name_->setTextColor(ui::Color::white(0.2));
    name_->setBackgroundColor(ui::Color::clearColor());
    name_->setLineBreakMode(ui::LineBreakMode::TruncatingTail);
    uploadIndicator_ = namedImageView("speed_upload_mywifi");
    downloadIndicator_ = namedImageView("speed_down_mywifi");
    for (auto* label : {&uploadSpeed_, &downloadSpeed_}) {
        *label = ui::Label::create();
        (*label)->setFont(ui::Font::systemFontOfSize(kSpeedFontSize));
        (*label)->setTextColor(ui::Color::white(0.4));
        (*label)->setBackgroundColor(ui::Color::clearColor());
    }
    strengthIndicator_ = namedImageView("device_icon_wifi_none");
    labelFor5G_ = ui::Label::create();
    labelFor5G_->setText("5G");
    labelFor5G_->setTextAlignment(ui::TextAlignment::Center);
    labelFor5G_->setFont(ui::Font::systemFontOfSize(kBandFontSize));
    labelFor5G_->setTextColor(bandGreen());
    labelFor5G_->setBackgroundColor(ui::Color::clearColor());
    disconnectIndicator_ = namedImageView("device-list_wifiline_off");
    disconnectIndicator_->setHidden(true);

    expendIndicator_ = namedImageView("icon_close_cell");
    expendIndicator_->setUserInteractionEnabled(true);
    auto tap = ui::TapGestureRecognizer::create();
    std::weak_ptr<TAVODeviceItemCell> weak = self<TAVODeviceItemCell>();
    tap->addTarget(self<TAVODeviceItemCell>(), "expendIndicatorIsClicked", [weak](ui::GestureRecognizer&) {
        if (auto cell = weak.lock()) cell->expendIndicatorIsClicked();
    });
    expendIndicator_->addGestureRecognizer(tap);

    limitMark_ = ui::View::create();
    limitMark_->layer()->setBorderWidth(1);
    limitMark_->layer()->setBorderColor(ui::Color::rgb255(kLimitBorderGrey, kLimitBorderGrey, kLimitBorderGrey));
    limitMark_->setHidden(true);
    limitLabel_ = ui::Label::create();
    limitLabel_->setText(kLimitMarkText);
    limitLabel_->setTextAlignment(ui::TextAlignment::Center);
    limitLabel_->setFont(ui::Font::systemFontOfSize(kLimitFontSize));
    limitLabel_->setTextColor(ui::Color::rgb255(kLimitBorderGrey, kLimitBorderGrey, kLimitBorderGrey));
    limitLabel_->setBackgroundColor(ui::Color::clearColor());
    limitMark_->addSubview(limitLabel_);

    for (const ui::ViewPtr& v :
         std::initializer_list<ui::ViewPtr>{iconView_, adminView_, name_, uploadIndicator_, uploadSpeed_,
                                            downloadIndicator_, downloadSpeed_, strengthIndicator_, labelFor5G_,
                                            disconnectIndicator_, expendIndicator_, limitMark_})
        content->addSubview(v);
}

const char* TAVODeviceItemCell::strengthImageName(int strength) {
    if (strength >= 80) return "device_icon_wifi_full";
    if (strength >= 60) return "device_icon_wifi_three";
    if (strength >= 40) return "device_icon_wifi_two";
    if (strength >= 1) return "device_icon_wifi_one";
    return "device_icon_wifi_none";
}

void TAVODeviceItemCell::setDevice(const TAVORouterJoiningDevicePtr& device) {
    if (!device) return;
    device_ = device;
    name_->setText(TAVOImageGetter::getShowNameFromDevice(
        {device->alias, device->end_type_id, device->end_type, device->end_name}));
    nameTextHeight_ = name_->font().sizeOfString(name_->text()).height;
    setSpeed(device->end_spdup, device->end_spddown);
    if (device->is_wifi == 1) {
        iconView_->setImage(TAVOImageGetter::getDeviceModelIconById(device->end_type_id));
        const bool on5G = device->connect_point >= 2;
        strengthIndicator_->setHidden(!on5G);
        labelFor5G_->setHidden(!on5G);
        if (on5G) setStrength(100);
        disconnectIndicator_->setHidden(true);
    } else {
        strengthIndicator_->setHidden(true);
        labelFor5G_->setHidden(true);
        disconnectIndicator_->setHidden(device->net_control != 2);
        iconView_->setImage(ui::Image::imageNamed("device-list_pc"));
    }
    limitMark_->setHidden(!device->isLimitSpeed);
    setNeedsLayout();
}

void TAVODeviceItemCell::setIsLocal(bool isLocal) {
    isLocal_ = isLocal;
    adminView_->setHidden(!isLocal);
}

void TAVODeviceItemCell::setSpeed(double up, double down) {
    uploadSpeed_->setText(TAVOCommonUtility::convertSpeedToStandardValue(up));
    downloadSpeed_->setText(TAVOCommonUtility::convertSpeedToStandardValue(down));
}

void TAVODeviceItemCell::setStrength(int strength) {
    strengthIndicator_->setImage(ui::Image::imageNamed(strengthImageName(strength)));
}

void TAVODeviceItemCell::changeIndicatorState(bool atRest) {
    expendIndicator_->setTransform(atRest ? cg::AffineTransformIdentity : cg::AffineTransformMakeRotation(M_PI_2));
}

void TAVODeviceItemCell::expendIndicatorIsClicked() {
    auto d = eventDelegate();
    if (!d) return;
    // Mid-swipe (neither open nor closed) the arrow means nothing.
    if (cellState() == SlideCellState::Right)
        d->cellEvent(*this, kEventClose);
    else if (cellState() == SlideCellState::Center)
        d->cellEvent(*this, kEventOpen);
}

double TAVODeviceItemCell::nameLeft() const { return cg::RectGetMaxX(adminView_->frame()) + kNameGap; }

double TAVODeviceItemCell::nameRightLimit() const { return strengthIndicator_->frame().origin.x - kNameToSignal; }

void TAVODeviceItemCell::layoutSubviews() {
    SlideTableViewCell::layoutSubviews();
    const cg::Rect b = contentView()->bounds();
    const double h = b.size.height;
    const double iconY = std::ceil((h - kIconSide) / 2);
    iconView_->setTransform(cg::AffineTransformIdentity);
    iconView_->setFrame(cg::RectMake(kIconX, iconY, kIconSide, kIconSide));
    const cg::Size admin = adminView_->image() ? adminView_->image()->size() : cg::Size{14, 14};
    adminView_->setFrame(cg::RectMake(kIconX + kIconSide - admin.width, iconY + kIconSide - admin.height,
                                      admin.width, admin.height));

    const double arrowX = b.size.width - kArrowRight - kArrowSide;
    const cg::AffineTransform turn = expendIndicator_->transform();
    expendIndicator_->setTransform(cg::AffineTransformIdentity);
    expendIndicator_->setFrame(cg::RectMake(arrowX, kArrowTop, kArrowSide, kArrowSide));
    expendIndicator_->setTransform(turn);

    const double topPart = std::floor(h * 2 / 3);
    const double signalX = arrowX - kSignalToArrow - kSignalWidth;
    const double signalY = std::floor((topPart - kSignalHeight) / 2);
    strengthIndicator_->setFrame(cg::RectMake(signalX, signalY, kSignalWidth, kSignalHeight));
    labelFor5G_->setFrame(cg::RectMake(signalX - 5, signalY + kSignalHeight, kSignalWidth + 10, kBandLabelHeight));
    disconnectIndicator_->setFrame(cg::RectMake(signalX + (kSignalWidth - kCutOffSide) / 2,
                                                std::floor((h - kCutOffSide) / 2), kCutOffSide, kCutOffSide));

    const double x = nameLeft();
    const double speedY = topPart - kSpeedIconSide / 2;
    uploadIndicator_->setFrame(cg::RectMake(x, speedY, kSpeedIconSide, kSpeedIconSide));
    uploadSpeed_->setFrame(cg::RectMake(x + kSpeedIconSide + 3, speedY - 2, kSpeedLabelWidth, kSpeedIconSide + 4));
    downloadIndicator_->setFrame(cg::RectMake(x + kSpeedColumn, speedY, kSpeedIconSide, kSpeedIconSide));
    downloadSpeed_->setFrame(
        cg::RectMake(x + kSpeedColumn + kSpeedIconSide + 3, speedY - 2, kSpeedLabelWidth, kSpeedIconSide + 4));
    placeNameAndLimitMark();
}

void TAVODeviceItemCell::placeNameAndLimitMark() {
    const cg::Rect b = contentView()->bounds();
    const double x = nameLeft();
    const double height = std::floor(b.size.height * 2 / 3);
    double width = nameRightLimit() - x;
    if (!limitMark_->isHidden()) {
        const double signalMid = cg::RectGetMidX(strengthIndicator_->frame());
        width = std::min(width, (signalMid - kNameToSignal) - x - kLimitRoom);
    }
    name_->setFrame(cg::RectMake(x, 0, std::max(0.0, width), height));
    if (!limitMark_->isHidden()) {
        limitMark_->setFrame(cg::RectMake(cg::RectGetMaxX(name_->frame()) + kLimitGap, kLimitTop, kLimitWidth,
                                          nameTextHeight_));
        limitLabel_->setFrame(limitMark_->bounds());
    }
}
