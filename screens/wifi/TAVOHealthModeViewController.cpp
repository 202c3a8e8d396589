#include "screens/wifi/TAVOHealthModeViewController.h"

#include <cstdio>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/ui/TapGestureRecognizer.h"
#include "platform/ui/ViewAnimation.h"
#include "protocol/commands/TAVOCloseWiFiTimeCommand.h"
#include "protocol/commands/TAVOCloseWiFiTimeParser.h"
#include "protocol/commands/TAVOCommonService.h"
#include "protocol/commands/TAVOGetRadioCommand.h"
#include "protocol/commands/TAVOGetRadioParser.h"
#include "protocol/commands/TAVOGetWIFITimeCommand.h"
#include "protocol/commands/TAVOGetWiFiTimeParser.h"
#include "protocol/commands/TAVOSetWiFiTimeCommand.h"
#include "protocol/commands/TAVOSetWiFiTimeParser.h"
#include "protocol/commands/TAVOUpdateRadioCommand.h"
#include "protocol/commands/TAVOUpdateRadioParser.h"
#include "protocol/records/TAVOWIFITime.h"
#include "screens/wifi/TAVORadioPowerReading.h"
#include "uikit/UIViewControllerPUPopupViewController.h"
#include "widgets/TAVOPopupViewController.h"
#include "widgets/UIViewLights.h"

namespace {

constexpr const char* kInitialStart = "07:00";
constexpr const char* kInitialFinish = "23:00";
constexpr const char* kFallbackStart = "06:00";
constexpr const char* kFallbackFinish = "23:00";
constexpr const char* kPowerBand = "2.4G";
constexpr int kPowerOnReduced = 75;
// Above 75 per cent: no reduction.
constexpr int kPowerOffReduced = 85;
constexpr double kLabelX = 13;
constexpr double kFontSize = 14;
constexpr double kLineHeight = 0.5;
constexpr double kLineMargin = 13;
constexpr long kBottomLineTag = 9001;
constexpr double kPickerHeight = 380;
constexpr double kPickerDrop = 80;
constexpr double kCircleLineWidth = 8;
constexpr double kCircleDuration = 3.0;
constexpr unsigned kCircleFrames = 200;
constexpr double kArrowWidth = 7;
constexpr double kArrowHeight = 12;
constexpr double kTimeLabelWidth = 80;

ui::Color lightGrey(double alpha) { return ui::Color::rgb255(241, 241, 241, alpha); }

ui::LabelPtr rowTitle(const std::string& text, double width) {
    auto label = ui::Label::create(cg::RectMake(kLabelX, 0, width, TAVOHealthModeViewController::kRowHeight));
    label->setText(text);
    label->setFont(ui::Font::systemFontOfSize(kFontSize));
    label->setTextColor(ui::Color::white(0.2));
    label->setBackgroundColor(ui::Color::clearColor());
    return label;
}

float circleFill(int position) { return position == 0 ? 0.4f : position == 1 ? 0.6f : 0.8f; }

}  // namespace

std::shared_ptr<TAVOHealthModeViewController> TAVOHealthModeViewController::create() {
    auto screen = make<TAVOHealthModeViewController>();
    screen->hidesBottomBarWhenPushed = true;
    return screen;
}

std::string TAVOHealthModeViewController::getDateString(const std::optional<ns::Date>& date) {
    if (!date) return "";
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", TAVOCommonUtility::getHour(*date) % 100,
                  TAVOCommonUtility::getMinute(*date) % 100);
    return text;
}

std::string TAVOHealthModeViewController::tipForPosition(int position) {
    switch (position) {
        case 0: return "WiFi覆盖范围适合两居室";
        case 1: return "WiFi覆盖范围适合一居室";
        case 2: return "WiFi覆盖范围适合单间";
        default: return "降低WiFi辐射，开始健康生活";
    }
}

void TAVOHealthModeViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    initData();
    hidesBottomBarWhenPushed = true;
    if (TAVOCommonUtility::is4InchScreen()) {
        centerViewHeight_ = 343;
        tipViewMargin_ = 20;
        centerViewYPosition_ = 0;
        circleSize_ = cg::SizeMake(180, 180);
    } else {
        centerViewHeight_ = 270;
        tipViewMargin_ = 0;
        centerViewYPosition_ = 13;
        circleSize_ = cg::SizeMake(170, 170);
    }
    setupTopUI();
    setupCenterUI();
    setupBottomUI();
    setupHelpUI();
    view()->bringSubviewToFront(navBar());
    loadData();
}

void TAVOHealthModeViewController::initData() {
    startDate_ = TAVOCommonUtility::getDateFromString(kInitialStart);
    finishDate_ = TAVOCommonUtility::getDateFromString(kInitialFinish);
    wifiPowerPercent_ = 100;
    hasAddLineInAdjustView_ = false;
    auto center = ns::NotificationCenter::defaultCenter();
    std::weak_ptr<TAVOHealthModeViewController> weak = self<TAVOHealthModeViewController>();
    becameActive_ = ns::ScopedObserver(center, center->addObserverForName(ns::UIApplicationDidBecomeActiveNotification, {},
                                                                          nullptr, [weak](const ns::NotificationPtr&) {
                                                                              if (auto screen = weak.lock())
                                                                                  screen->restoreMainImageAnimation();
                                                                          }));
}

void TAVOHealthModeViewController::setupTopUI() {
    navBar()->setBgImage(nullptr);
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleBackArrow);
    navBar()->setTitle(TAVOLocalizedString("health mode"), ui::Color::whiteColor());
    navBar()->setRightBarItemImage(ui::Image::imageNamed("topbar_ic_info"));
}

void TAVOHealthModeViewController::setupCenterUI() {
    const double w = view()->bounds().size.width;
    centerView_ = TAVOGradientView::create(cg::RectMake(0, 0, w, centerViewHeight_));
    centerView_->changeTopLeftColor(ui::Color::rgb255(132, 209, 126), ui::Color::rgb255(10, 167, 75), false);
    view()->addSubview(centerView_);

    const cg::Point middle = cg::PointMake(w / 2, centerViewHeight_ / 2 + centerViewYPosition_);
    mainImageView_ = ui::ImageView::createWithImage(ui::Image::imageNamed("healthmode_ic_main"));
    mainImageView_->setCenter(middle);
    centerView_->addSubview(mainImageView_);

    percentContainer_ = ui::View::create(cg::RectMake(middle.x - circleSize_.width / 2, middle.y - circleSize_.height / 2,
                                                      circleSize_.width, circleSize_.height));
    percentContainer_->setBackgroundColor(ui::Color::clearColor());
    percentContainer_->setHidden(true);
    auto title = ui::Label::create(cg::RectMake(0, circleSize_.height / 2 - 55, circleSize_.width, 20));
    title->setText("WiFi辐射减少");
    title->setFont(ui::Font::boldSystemFontOfSize(14));
    title->setTextColor(ui::Color::whiteColor());
    title->setTextAlignment(ui::TextAlignment::Center);
    percentContainer_->addSubview(title);
    percentLB_ = ui::Label::create(cg::RectMake(0, circleSize_.height / 2 - 35, circleSize_.width, 70));
    percentLB_->setFont(ui::Font::systemFontOfSize(65));
    percentLB_->setTextColor(ui::Color::whiteColor());
    percentLB_->setTextAlignment(ui::TextAlignment::Center);
    percentContainer_->addSubview(percentLB_);
    auto percentSign = ui::Label::create(cg::RectMake(circleSize_.width / 2 + 38, circleSize_.height / 2 - 15, 20, 20));
    percentSign->setText("%");
    percentSign->setFont(ui::Font::systemFontOfSize(14));
    percentSign->setTextColor(ui::Color::whiteColor());
    percentContainer_->addSubview(percentSign);
    centerView_->addSubview(percentContainer_);

    const double tipY = cg::RectGetMaxY(mainImageView_->frame()) + tipViewMargin_;
    centerTipLB_ = ui::Label::create(cg::RectMake(0, tipY, w, 30));
    centerTipLB_->setFont(ui::Font::systemFontOfSize(14));
    centerTipLB_->setTextAlignment(ui::TextAlignment::Center);
    centerTipLB_->setTextColor(ui::Color::whiteColor());
    centerTipLB_->setText(TAVOLocalizedString("default wifi tip text"));
    centerView_->addSubview(centerTipLB_);
}

ui::ViewPtr TAVOHealthModeViewController::createCommonCellView(const cg::Rect& frame, bool addTopLine, bool addBottomLine,
                                                               bool topLineAddMargin, bool bottomLineAddMargin) {
    auto row = ui::View::create(frame);
    row->setBackgroundColor(ui::Color::whiteColor());
    auto line = [&](double y, bool margin) {
        auto image = ui::Image::imageNamed("seperator_line");
        auto view = ui::ImageView::createWithImage(image ? image->stretchableImageWithLeftCapWidth(1, 0) : nullptr);
        const double x = margin ? kLineMargin : 0;
        view->setFrame(cg::RectMake(x, y, frame.size.width - x, kLineHeight));
        row->addSubview(view);
        return view;
    };
    if (addTopLine) line(0, topLineAddMargin);
    if (addBottomLine) line(frame.size.height - kLineHeight, bottomLineAddMargin)->setTag(kBottomLineTag);
    return row;
}

void TAVOHealthModeViewController::addLineToBottom(const ui::ViewPtr& row) {
    if (!row || row->viewWithTag(kBottomLineTag)) return;
    auto image = ui::Image::imageNamed("seperator_line");
    auto line = ui::ImageView::createWithImage(image ? image->stretchableImageWithLeftCapWidth(1, 0) : nullptr);
    line->setFrame(cg::RectMake(0, row->bounds().size.height - kLineHeight, row->bounds().size.width, kLineHeight));
    line->setTag(kBottomLineTag);
    row->addSubview(line);
}

void TAVOHealthModeViewController::removeLineFromBottom(const ui::ViewPtr& row) {
    if (!row) return;
    if (auto line = row->viewWithTag(kBottomLineTag)) line->removeFromSuperview();
}

void TAVOHealthModeViewController::setupBottomUI() {
    const double w = view()->bounds().size.width;
    const double h = view()->bounds().size.height;
    bottomScrollView_ = ui::ScrollView::create(cg::RectMake(0, centerViewHeight_, w, h - centerViewHeight_));
    bottomScrollView_->setBackgroundColor(ui::Color::clearColor());
    bottomScrollView_->showsVerticalScrollIndicator = true;
    bottomScrollView_->delaysContentTouches = true;
    bottomScrollView_->canCancelContentTouches = true;
    bottomScrollView_->directionalLockEnabled = true;
    bottomScrollView_->setContentInset(cg::EdgeInsets{0, 0, 20, 0});
    view()->addSubview(bottomScrollView_);

    auto self = this->self<TAVOHealthModeViewController>();
    auto makeSwitch = [&](long tag) {
        const double width = w / 5 - kLabelX;
        auto control = ToggleSwitch::create(cg::RectMake(w - kLabelX - width, 8, width, kRowHeight - 16));
        control->setTag(tag);
        control->addTarget(self, "wifiSwitchChanged", [weak = std::weak_ptr(self)](ui::Control& c) {
            if (auto screen = weak.lock()) screen->wifiSwitchChanged(static_cast<ToggleSwitch&>(c));
        }, ui::ControlEventValueChanged);
        return control;
    };
    signalSwitchContainer_ = createCommonCellView(cg::RectMake(0, 0, w, kRowHeight), true, false, false, false);
    signalSwitchContainer_->addSubview(rowTitle("WiFi辐射调节", w / 2));
    signalSwitchControl_ = makeSwitch(kRadioSwitchTag);
    signalSwitchContainer_->addSubview(signalSwitchControl_);
    bottomScrollView_->addSubview(signalSwitchContainer_);

    timeSwitchContainer_ = createCommonCellView(cg::RectMake(0, kRowHeight + kRowGap, w, kRowHeight), true, true, false, false);
    timeSwitchContainer_->addSubview(rowTitle(TAVOLocalizedString("wifi time switch"), w / 2));
    timeSwitchControl_ = makeSwitch(kTimerSwitchTag);
    timeSwitchContainer_->addSubview(timeSwitchControl_);
    bottomScrollView_->addSubview(timeSwitchContainer_);
    addLineToBottom(signalSwitchContainer_);
    strechScrollView();
}

void TAVOHealthModeViewController::setupHelpUI() {
    helpsView_ = TAVOHelpsView::helpViewWithTag(kHelpTag);
    if (helpsView_) helpsView_->setDelegate(self<TAVOHealthModeViewController>());
}

void TAVOHealthModeViewController::rightNavItemPressed() {
    if (!helpsView_) return;
    auto popup = TAVOPopupViewController::popupViewControllerWithChildView(helpsView_);
    popup->setParentView(view());
    UIViewControllerPUPopupViewController::presentPopupViewController(self<TAVOHealthModeViewController>(), popup, 0);
}

void TAVOHealthModeViewController::dismissHelpsView(TAVOHelpsView&) {
    UIViewControllerPUPopupViewController::dismissPopupViewControllerWithanimationType(self<TAVOHealthModeViewController>(), 0);
}

void TAVOHealthModeViewController::leftNavItemPressed() {
    stopCircle();
    TAVOWIFIViewControler::leftNavItemPressed();
}

void TAVOHealthModeViewController::loadData() {
    getWifiTimer();
    getRadio();
}

// --- Radio power -----------------------------------------------------------------

void TAVOHealthModeViewController::getRadio() {
    auto self = this->self<TAVOHealthModeViewController>();
    TAVOCommonService::ordaneService()->sendCommand(
        TAVOGetRadioCommand::create(), 0, TAVOGetRadioParser::create(),
        [self](const ns::Value& result) {
            if (!result.isArray()) return;
            self->dismissToast();
            if (auto power = TAVORadioPowerReading::currentPower(result)) self->wifiPowerPercent_ = *power;
            self->changeTopAndSignalView();
        },
        [self](const TAVOErrorPtr& error) {
            self->dismissToast();
            self->showTAVOError(ns::ObjectPtr(error));
        });
}

void TAVOHealthModeViewController::setRadio(int power) {
    oldWifiPowerPercent_ = wifiPowerPercent_;
    wifiPowerPercent_ = static_cast<float>(power);
    changeTopAndSignalView();
    auto command = TAVOUpdateRadioCommand::create();
    command->freq = kPowerBand;
    command->power = power;
    auto self = this->self<TAVOHealthModeViewController>();
    TAVOCommonService::ordaneService()->sendCommand(
        command, 0, TAVOUpdateRadioParser::create(), [self](const ns::Value&) { self->dismissToast(); },
        [self](const TAVOErrorPtr& error) {
            self->dismissToast();
            self->showTAVOError(ns::ObjectPtr(error));
            self->wifiPowerPercent_ = self->oldWifiPowerPercent_;
            self->changeTopAndSignalView();
        });
}

void TAVOHealthModeViewController::adjustControl(TAVOSignalAdjustingControlView&, int position) {
    stopCircle();
    setRadio(TAVOCommonUtility::getRadioByRadiatePosition(position));
}

void TAVOHealthModeViewController::changeTopAndSignalView() {
    const int position = TAVOCommonUtility::getRadiatePositionByRadio(static_cast<int>(wifiPowerPercent_));
    if (position < 0) {
        stopCircle();
        if (centerCircleView_) centerCircleView_->removeFromSuperview();
        centerCircleView_ = nullptr;
        mainImageView_->setHidden(false);
        percentContainer_->setHidden(true);
    } else {
        mainImageView_->setHidden(true);
        percentContainer_->setHidden(false);
        animateCirlceWithPercent(circleFill(position));
    }
    centerTipLB_->setText(tipForPosition(position));
    signalSwitchControl_->setOn(position >= 0, true);
    changeSignalAdjustViewByPosition(position);
}

void TAVOHealthModeViewController::changeSignalAdjustViewByPosition(int position) {
    const double w = bottomScrollView_->bounds().size.width;
    std::weak_ptr<TAVOHealthModeViewController> weak = self<TAVOHealthModeViewController>();
    if (position < 0) {
        if (signalAdjustView_) signalAdjustView_->removeFromSuperview();
        signalAdjustView_ = nullptr;
        addLineToBottom(signalSwitchContainer_);
        ui::ViewAnimation::animate(kMoveDuration, 0, ui::ViewAnimationOptionCurveLinear, [this] { placeTimeRows(); },
                                   [weak](bool) {
                                       if (auto screen = weak.lock()) screen->strechScrollView();
                                   });
        return;
    }
    if (!signalAdjustView_) {
        signalAdjustView_ = TAVOSignalAdjustingControlView::create(
            cg::RectMake(0, cg::RectGetMaxY(signalSwitchContainer_->frame()), w, kAdjustHeight));
        signalAdjustView_->setAlpha(0);
        signalAdjustView_->setTitleArray({"-40%", "-60%", "-80%"});
        signalAdjustView_->setDelegate(self<TAVOHealthModeViewController>());
        signalAdjustView_->setBackgroundColor(ui::Color::whiteColor());
        bottomScrollView_->addSubview(signalAdjustView_);
    }
    ui::ViewAnimation::animate(kMoveDuration, 0, ui::ViewAnimationOptionCurveLinear, [this] { placeTimeRows(); },
                               [weak, position](bool) {
                                   auto screen = weak.lock();
                                   if (!screen || !screen->signalAdjustView_) return;
                                   screen->removeLineFromBottom(screen->signalSwitchContainer_);
                                   if (!screen->hasAddLineInAdjustView_) {
                                       screen->addLineToBottom(screen->signalAdjustView_);
                                       screen->hasAddLineInAdjustView_ = true;
                                   }
                                   ui::ViewAnimation::animate(
                                       kMoveDuration, 0, ui::ViewAnimationOptionCurveLinear,
                                       [screen] { screen->signalAdjustView_->setAlpha(1); },
                                       [weak, position](bool) {
                                           auto again = weak.lock();
                                           if (!again || !again->signalAdjustView_) return;
                                           again->signalAdjustView_->setPosition(position);
                                           again->strechScrollView();
                                       });
                               });
}

// The time-switch row 20 points under the level control (or the radio row),
// the time rows stacked under it.
void TAVOHealthModeViewController::placeTimeRows() {
    const cg::Rect above = signalAdjustView_ ? signalAdjustView_->frame() : signalSwitchContainer_->frame();
    cg::Rect row = timeSwitchContainer_->frame();
    row.origin.y = cg::RectGetMaxY(above) + kRowGap;
    timeSwitchContainer_->setFrame(row);
    double y = cg::RectGetMaxY(row);
    for (const auto& timeRow : {startContainer_, finishContainer_}) {
        if (!timeRow) continue;
        cg::Rect frame = timeRow->frame();
        frame.origin.y = y;
        timeRow->setFrame(frame);
        y += frame.size.height;
    }
}

void TAVOHealthModeViewController::strechScrollView() {
    double height = signalSwitchContainer_->frame().size.height + (signalAdjustView_ ? signalAdjustView_->frame().size.height : 0) +
                    kRowGap + timeSwitchContainer_->frame().size.height +
                    (finishContainer_ ? 2 * finishContainer_->frame().size.height : 0);
    bottomScrollView_->setContentSize(cg::SizeMake(bottomScrollView_->contentSize().width, height));
}

void TAVOHealthModeViewController::animateCirlceWithPercent(float percent) {
    if (centerCircleView_) {
        centerCircleView_->stop();
    } else {
        const double w = centerView_->bounds().size.width;
        centerCircleView_ = TAVOCircleAngleView::create(
            cg::RectMake(w / 2 - circleSize_.width / 2, centerViewHeight_ / 2 + centerViewYPosition_ - circleSize_.height / 2,
                         circleSize_.width, circleSize_.height),
            lightGrey(0.3), lightGrey(1.0));
        centerCircleView_->setLineWidth(kCircleLineWidth);
        centerCircleView_->setDuration(kCircleDuration);
        centerCircleView_->setFrameCount(kCircleFrames);
        centerCircleView_->setDelegate(self<TAVOHealthModeViewController>());
        percentLB_->setAlpha(0);
        ui::ViewAnimation::animate(percent * kCircleDuration, 0, ui::ViewAnimationOptionCurveLinear,
                                   [this] { percentLB_->setAlpha(1); });
    }
    centerCircleView_->setStopPercent(percent);
    centerCircleView_->start();
    centerView_->addSubview(centerCircleView_);
}

void TAVOHealthModeViewController::stopCircle() {
    if (centerCircleView_) centerCircleView_->stop();
}

void TAVOHealthModeViewController::animateCircleWithProgress(TAVOCircleAngleView&, float progress) {
    char text[16];
    std::snprintf(text, sizeof text, "%.f", progress * 100);
    percentLB_->setText(text);
}

void TAVOHealthModeViewController::startFlashingUsingMaskImage(const std::string& imageName) {
    UIViewLights::stopLightsAnimation(mainImageView_);
    if (!imageName.empty()) UIViewLights::animateLights(mainImageView_, ui::Image::imageNamed(imageName));
}

void TAVOHealthModeViewController::restoreMainImageAnimation() {
    if (!currentFlightImageStr_.empty()) startFlashingUsingMaskImage(currentFlightImageStr_);
}

void TAVOHealthModeViewController::showError(const std::string& text) {
    showToast(CustomizedHUDTypeWarning, text.empty() ? TAVOLocalizedString("fail to set router setting") : text);
}

// --- Wi-Fi timer -----------------------------------------------------------------

void TAVOHealthModeViewController::getWifiTimer() {
    auto self = this->self<TAVOHealthModeViewController>();
    TAVOCommonService::ordaneService()->sendCommand(
        TAVOGetWIFITimeCommand::create(), 0, TAVOGetWiFiTimeParser::create(),
        [self](const ns::Value& result) {
            auto timer = result.isObject() ? result.as<TAVOWIFITime>() : nullptr;
            if (!timer) return;
            self->dismissToast();
            const bool on = timer->isOpenWork && timer->isCloseWork;
            self->timeSwitchControl_->setOn(on, true);
            self->controlWIFITimeContainer(on);
            if (auto start = TAVOCommonUtility::getDateFromString(timer->openTime.isString() ? timer->openTime.stringValue() : ""))
                self->startDate_ = start;
            if (auto finish = TAVOCommonUtility::getDateFromString(timer->closeTime.isString() ? timer->closeTime.stringValue() : ""))
                self->finishDate_ = finish;
            self->updateTimeLB();
        },
        [self](const TAVOErrorPtr& error) { self->showTAVOError(ns::ObjectPtr(error)); });
}

void TAVOHealthModeViewController::wifiSwitchChanged(ToggleSwitch& control) {
    if (control.tag() == kRadioSwitchTag) {
        setRadio(control.isOn() ? kPowerOnReduced : kPowerOffReduced);
        return;
    }
    if (control.tag() != kTimerSwitchTag) return;
    if (control.isOn()) {
        setWIFITimer(getDateString(startDate_), 1, TimerSource::Pair);
        setWIFITimer(getDateString(finishDate_), 2, TimerSource::Pair);
    } else {
        closeWifiTimer(1);
        closeWifiTimer(2);
    }
}

void TAVOHealthModeViewController::setWIFITimer(const std::string& time, int type, TimerSource source) {
    auto command = TAVOSetWiFiTimeCommand::create();
    command->time = time;
    command->type = type;
    auto self = this->self<TAVOHealthModeViewController>();
    TAVOCommonService::ordaneService()->sendCommand(
        command, 0, TAVOSetWiFiTimeParser::create(),
        [self, time, type, source](const ns::Value&) {
            self->dismissToast();
            if (source == TimerSource::Picker) {
                // The row shows the time the router took.
                auto date = TAVOCommonUtility::getDateFromString(time);
                if (date) (type == 1 ? self->startDate_ : self->finishDate_) = date;
                self->closePicker();
                self->updateTimeLB();
                return;
            }
            self->updateTimeLB();
            self->setReadyState(type);
            self->checkAllTimerState();
        },
        [self, source](const TAVOErrorPtr& error) {
            self->showTAVOError(ns::ObjectPtr(error));
            self->updateTimeLB();
            // Only the switch's pair decides the switch; a refused picker
            // change leaves the timer as the router has it.
            if (source == TimerSource::Pair) self->checkAllTimerState();
        });
}

void TAVOHealthModeViewController::closeWifiTimer(int type) {
    auto command = TAVOCloseWiFiTimeCommand::create();
    command->type = type;
    auto self = this->self<TAVOHealthModeViewController>();
    TAVOCommonService::ordaneService()->sendCommand(
        command, 0, TAVOCloseWiFiTimeParser::create(),
        [self, type](const ns::Value&) {
            self->dismissToast();
            self->setReadyState(type);
            self->checkAllTimerState();
        },
        [self](const TAVOErrorPtr& error) {
            self->showTAVOError(ns::ObjectPtr(error));
            self->timeSwitchControl_->setOn(true, true);
        });
}

void TAVOHealthModeViewController::setReadyState(int type) {
    if (type == 1) openStateReady_ = true;
    if (type == 2) closeStateReady_ = true;
}

void TAVOHealthModeViewController::checkAllTimerState() {
    if (openStateReady_ && closeStateReady_) {
        controlWIFITimeContainer(timeSwitchControl_->isOn());
        openStateReady_ = false;
        closeStateReady_ = false;
    } else if (!openStateReady_ && !closeStateReady_) {
        controlWIFITimeContainer(false);
        timeSwitchControl_->setOn(false, true);
    }
    updateTimeLB();
}

void TAVOHealthModeViewController::updateTimeLB() {
    if (startTimeLB_) {
        const std::string start = getDateString(startDate_);
        startTimeLB_->setText(start.empty() ? kFallbackStart : start);
    }
    if (finishTimeLB_) {
        const std::string finish = getDateString(finishDate_);
        finishTimeLB_->setText(finish.empty() ? kFallbackFinish : finish);
    }
}

ui::ViewPtr TAVOHealthModeViewController::makeTimeRow(const std::string& titleKey, bool start) {
    const double w = bottomScrollView_->bounds().size.width;
    auto row = start ? createCommonCellView(cg::RectMake(0, 0, w, kRowHeight), false, false, false, false)
                     : createCommonCellView(cg::RectMake(0, 0, w, kRowHeight), true, true, true, false);
    row->addSubview(rowTitle(TAVOLocalizedString(titleKey), w / 2));
    auto arrow = ui::ImageView::createWithImage(ui::Image::imageNamed("public_list_arrows"));
    arrow->setFrame(cg::RectMake(w - kLabelX - kArrowWidth, (kRowHeight - kArrowHeight) / 2, kArrowWidth, kArrowHeight));
    row->addSubview(arrow);
    auto time = ui::Label::create(cg::RectMake(w - kLabelX - kArrowWidth - 8 - kTimeLabelWidth, 0, kTimeLabelWidth, kRowHeight));
    time->setFont(ui::Font::systemFontOfSize(kFontSize));
    time->setTextAlignment(ui::TextAlignment::Right);
    time->setTextColor(ui::Color::white(0.4));
    time->setText(start ? kFallbackStart : kFallbackFinish);
    row->addSubview(time);
    (start ? startTimeLB_ : finishTimeLB_) = time;
    auto tap = ui::TapGestureRecognizer::create();
    std::weak_ptr<TAVOHealthModeViewController> weak = self<TAVOHealthModeViewController>();
    tap->addTarget(self<TAVOHealthModeViewController>(), "changeTime", [weak, start](ui::GestureRecognizer&) {
        if (auto screen = weak.lock()) screen->changeTime(start);
    });
    row->addGestureRecognizer(tap);
    bottomScrollView_->addSubview(row);
    return row;
}

void TAVOHealthModeViewController::addWIFIStartTimeView() {
    if (!startContainer_) startContainer_ = makeTimeRow("wifi start time text", true);
}

void TAVOHealthModeViewController::addWIFIFiishTimeView() {
    if (!finishContainer_) finishContainer_ = makeTimeRow("wifi close time text", false);
}

void TAVOHealthModeViewController::controlWIFITimeContainer(bool show) {
    std::weak_ptr<TAVOHealthModeViewController> weak = self<TAVOHealthModeViewController>();
    if (show) {
        addWIFIStartTimeView();
        addWIFIFiishTimeView();
        placeTimeRows();
        updateTimeLB();
        startContainer_->setAlpha(0);
        finishContainer_->setAlpha(0);
        ui::ViewAnimation::animate(kMoveDuration, 0, ui::ViewAnimationOptionCurveLinear,
                                   [this] {
                                       startContainer_->setAlpha(1);
                                       finishContainer_->setAlpha(1);
                                   },
                                   [weak](bool) {
                                       if (auto screen = weak.lock()) screen->strechScrollView();
                                   });
        return;
    }
    if (!startContainer_ && !finishContainer_) return;
    auto start = startContainer_;
    auto finish = finishContainer_;
    // The rows leave the screen's state at once; their fade-out ends them.
    startContainer_ = nullptr;
    finishContainer_ = nullptr;
    startTimeLB_ = nullptr;
    finishTimeLB_ = nullptr;
    ui::ViewAnimation::animate(kMoveDuration, 0, ui::ViewAnimationOptionCurveLinear,
                               [start, finish] {
                                   if (start) start->setAlpha(0);
                                   if (finish) finish->setAlpha(0);
                               },
                               [weak, start, finish](bool) {
                                   if (start) start->removeFromSuperview();
                                   if (finish) finish->removeFromSuperview();
                                   if (auto screen = weak.lock()) screen->strechScrollView();
                               });
}

// --- Time picker -----------------------------------------------------------------

void TAVOHealthModeViewController::changeTime(bool startRow) {
    const double w = view()->bounds().size.width;
    const double h = view()->bounds().size.height;
    datePickerController_ = TAVODatePickerViewController::create();
    datePickerController_->setDelegate(self<TAVOHealthModeViewController>());
    datePickerController_->setIsOpen(startRow);
    const auto& date = startRow ? startDate_ : finishDate_;
    if (date) datePickerController_->setDate(*date);
    popoverController_ = PopoverController::create(datePickerController_);
    popoverController_->setEventUnableThroughViews({datePickerController_->view()});
    popoverController_->setContentSize(cg::SizeMake(w, kPickerHeight), false);
    popoverController_->showFromRect(cg::RectMake(0, h + kPickerDrop, w, kPickerHeight), view(), 2, 0);
}

void TAVOHealthModeViewController::dateIsSet(const ns::Date& date, TAVODatePickerViewController& picker) {
    setWIFITimer(getDateString(date), picker.isOpen() ? 1 : 2, TimerSource::Picker);
}

void TAVOHealthModeViewController::closePicker() {
    datePickerController_ = nullptr;
    if (popoverController_) popoverController_->dismissAnimated(true);
    popoverController_ = nullptr;
}
