#include "screens/account/TAVOSpeedTestViewController.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/Format.h"
#include "platform/ui/ViewAnimation.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/records/TAVORouterTestSpeed.h"
#include "protocol/requests/catalogue/TAVORouterTestSpeedRequest.h"

namespace {
constexpr double kPi = 3.14159265358979323846;

// Where the three parts stand with the result hidden and shown.
constexpr double kDialTop = 38;
constexpr double kDialTopShown = 25;
constexpr double kDialTopOvershoot = 5;
constexpr double kSpeedsTop = 247;
constexpr double kSpeedsTopShown = 197;
constexpr double kSpeedsTopOvershoot = 177;
constexpr double kDialHeight = 200;
constexpr double kRingSide = 180;
constexpr double kSpeedsHeight = 90;
constexpr double kButtonHeight = 40;
constexpr double kButtonBottomGap = 20;
constexpr double kCardWidth = 290;
constexpr double kCardHeight = 420;
constexpr long kCaps = 8;

ui::Color grey(int level) { return ui::Color::rgb255(level, level, level); }
ui::Color plotLineColor() { return ui::Color::rgb255(51, 179, 62); }

ui::LabelPtr makeLabel(const cg::Rect& frame, double size, const ui::Color& color) {
    auto label = ui::Label::create(frame);
    label->setFont(ui::Font::systemFontOfSize(size));
    label->setTextColor(color);
    label->setBackgroundColor(ui::Color::clearColor());
    label->setTextAlignment(ui::TextAlignment::Center);
    return label;
}

void setTop(const ui::ViewPtr& view, double top) {
    cg::Rect frame = view->frame();
    frame.origin.y = top;
    view->setFrame(frame);
}
}  // namespace

const std::map<double, double>& TAVOSpeedTestViewController::valueToAngle() {
    static const std::map<double, double> table{{0, -30},   {64, 10},    {128, 50},   {256, 90},   {512, 130},
                                                {1024, 157}, {5120, 180}, {10240, 198}, {20480, 210}};
    return table;
}

double TAVOSpeedTestViewController::operatorMegabits(double downloadKB) { return std::ceil(downloadKB * 8 / 1024); }

std::pair<std::string, std::string> TAVOSpeedTestViewController::splitSpeedText(const std::string& text) {
    auto isNumberChar = [](char c) { return c == '.' || (c >= '0' && c <= '9'); };
    const auto begin = std::find_if(text.begin(), text.end(), isNumberChar);
    if (begin == text.end()) return {"", ""};
    const auto end = std::find_if_not(begin, text.end(), isNumberChar);
    std::string unit(end, text.end());
    unit.erase(std::remove(unit.begin(), unit.end(), ' '), unit.end());
    return {std::string(begin, end), unit};
}

void TAVOSpeedTestViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    // The popup's card frames this screen; it has no bar of its own.
    navBar()->removeFromSuperview();
    view()->setBackgroundColor(ui::Color::whiteColor());
    buildViews();

    auto self = this->self<TAVOSpeedTestViewController>();
    std::weak_ptr<TAVOSpeedTestViewController> weak = self;
    TAVORequestAnswers::listen<TAVORouterTestSpeedRequest>(
        self,
        [weak](const ns::Value& record, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->speedAnswered(record);
        },
        [weak](const TAVOErrorPtr& error, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->speedFailed(error);
        });
}

void TAVOSpeedTestViewController::buildViews() {
    // Laid out for the popup's card, which frames the view after it loads.
    const double width = kCardWidth;
    const double height = kCardHeight;

    circleContainerView_ = ui::View::create(cg::RectMake(0, kDialTop, width, kDialHeight));
    const cg::Rect ringFrame = cg::RectMake((width - kRingSide) / 2, 10, kRingSide, kRingSide);
    circleProgressView_ = TAVOCircleProgressView::create(ringFrame);
    circleProgressView_->setStartAngle(-kRingHalfAngle);
    circleProgressView_->setEndAngle(kRingHalfAngle);
    circleProgressView_->setImageWaiting(nullptr);
    circleProgressView_->setImageDone(nullptr);
    circleProgressView_->setTrackColor(ui::Color::clearColor());
    circleProgressView_->setProgressColor(ui::Color::whiteColor());
    circleProgressView_->setInnerRadius(ringFrame.size.width / 2 - 9);
    circleProgressView_->setBorderColor(ui::Color::clearColor());
    circleProgressView_->setBorderWidth(5);
    circleProgressView_->setHeaderLightRadius(8);
    circleProgressView_->setBackgroundColor(ui::Color::rgb255(51, 179, 62));
    circleProgressView_->layer()->setCornerRadius(kRingSide / 2);
    circleContainerView_->addSubview(circleProgressView_);

    rotationView_ = TAVORotationView::create(ringFrame);
    rotationView_->setUserInteractionEnabled(false);
    // The needle points left at angle 0 and turns clockwise.
    auto needle = ui::View::create(cg::RectMake(24, kRingSide / 2 - 1.5, kRingSide / 2 - 24, 3));
    needle->setBackgroundColor(ui::Color::white(1, 0.8));
    rotationView_->addSubview(needle);
    rotationView_->setDictionaryValueToAngle(valueToAngle());
    rotationView_->setValue(0);
    circleContainerView_->addSubview(rotationView_);

    labelCurrentSpeed_ = makeLabel(cg::RectMake(0, 10 + kRingSide / 2 + 10, width, 40), 34, ui::Color::whiteColor());
    labelCurrentSpeedUnit_ = makeLabel(cg::RectMake(0, 10 + kRingSide / 2 + 50, width, 18), 14, ui::Color::whiteColor());
    circleContainerView_->addSubview(labelCurrentSpeed_);
    circleContainerView_->addSubview(labelCurrentSpeedUnit_);
    view()->addSubview(circleContainerView_);

    speedsContainerView_ = ui::View::create(cg::RectMake(0, kSpeedsTop, width, kSpeedsHeight));
    const double column = width / 2;
    const char* titles[] = {"download", "upload"};
    for (int i = 0; i < 2; ++i) {
        const double x = i * column;
        auto title = makeLabel(cg::RectMake(x, 0, column, 18), 13, grey(187));
        title->setText(TAVOLocalizedString(titles[i]));
        speedTitlelabels_.push_back(title);
        speedsContainerView_->addSubview(title);

        auto speed = TAVOSpeedLabel::create(cg::RectMake(x, 26, column, 30));
        speed->setSpeedTextColor(grey(68));
        speed->setSpeedTextSize(17);
        speed->setUnitTextColor(grey(187));
        speed->setUnitTextSize(12);
        speed->setTextAlignment(ui::TextAlignment::Center);  // under its centred title
        speed->setSpeedKB(0);
        speedSubtitleLabels_.push_back(speed);
        speedsContainerView_->addSubview(speed);

        auto waiting = TAVOWaitingAnimationView::create(cg::RectMake(x + column / 2 - 20, 36, 40, 10));
        waiting->setCircleRadius(3);
        waiting->setCircleColor(plotLineColor());
        waiting->setAlpha(0);
        speedWaitingViews_.push_back(waiting);
        speedsContainerView_->addSubview(waiting);

        auto plot = TAVOLinePlotView::create(cg::RectMake(x + 15, 24, column - 30, 50));
        auto data = TAVOLinePlotData::create();
        data->maxPointCount = kPlotPointCount;
        data->lineWidth = 1;
        data->lineColor = plotLineColor();
        data->fillColor = ui::Color::rgb255(97, 206, 109, 0.5);
        plot->plots = {data};
        plot->margins = cg::EdgeInsets{};
        plot->plotsBackgroudColor = ui::Color::clearColor();
        plot->setBackgroundColor(ui::Color::clearColor());
        plot->setAlpha(0);
        speedPlotViews_.push_back(plot);
        speedsContainerView_->addSubview(plot);
    }
    deviderView_ = ui::ImageView::create(cg::RectMake(column, 4, 0.5, kSpeedsHeight - 8));
    deviderView_->setBackgroundColor(grey(221));
    speedsContainerView_->addSubview(deviderView_);
    view()->addSubview(speedsContainerView_);

    resultContainerView_ = ui::View::create(cg::RectMake(0, kDialTopShown + 60, width, 80));
    resultTitleLabel_ = makeLabel(cg::RectMake(0, 0, width, 24), 15, grey(187));
    resultSubtitleLabel_ = makeLabel(cg::RectMake(0, 30, width, 40), 24, grey(68));
    resultContainerView_->addSubview(resultTitleLabel_);
    resultContainerView_->addSubview(resultSubtitleLabel_);
    resultContainerView_->setAlpha(0);
    view()->addSubview(resultContainerView_);

    buttonTestSpeed_ = ui::Button::buttonWithType(ui::ButtonType::Custom);
    buttonTestSpeed_->setFrame(
        cg::RectMake(20, height - kButtonBottomGap - kButtonHeight, width - 40, kButtonHeight));
    buttonTestSpeed_->setTitle(TAVOLocalizedString("test speed"), ui::ControlStateNormal);
    buttonTestSpeed_->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
    buttonTestSpeed_->setBackgroundImage(ui::Image::imageNamed("public_btn01")->stretchableImageWithLeftCapWidth(10, 10),
                                         ui::ControlStateNormal);
    buttonTestSpeed_->addTarget(self<TAVOSpeedTestViewController>(), &TAVOSpeedTestViewController::clickTestSpeed,
                                "clickTestSpeed:", ui::ControlEventTouchUpInside);
    view()->addSubview(buttonTestSpeed_);

    updateCurrentSpeed(0);
}

void TAVOSpeedTestViewController::setButtonBackground(const char* normal, const char* pressed) {
    buttonTestSpeed_->setBackgroundImage(ui::Image::imageNamed(normal)->stretchableImageWithLeftCapWidth(kCaps, kCaps),
                                         ui::ControlStateNormal);
    buttonTestSpeed_->setBackgroundImage(
        ui::Image::imageNamed(pressed)->stretchableImageWithLeftCapWidth(kCaps, kCaps), ui::ControlStateHighlighted);
}

void TAVOSpeedTestViewController::setTestingSpeed(bool testing) {
    isTestingSpeed_ = testing;
    if (testing) {
        buttonTestSpeed_->setTitle(TAVOLocalizedString("cancel test"), ui::ControlStateNormal);
        buttonTestSpeed_->setTitleColor(grey(68), ui::ControlStateNormal);
        setButtonBackground("public_btn02", "public_btn02_pre");
    } else {
        buttonTestSpeed_->setTitle(TAVOLocalizedString("test again"), ui::ControlStateNormal);
        buttonTestSpeed_->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
        setButtonBackground("public_btn01", "public_btn01_pre");
    }
}

void TAVOSpeedTestViewController::clickTestSpeed() {
    if (!isTestingSpeed_) {
        start();
    } else if (!resultContainerViewVisible_) {
        resetValues();
        dataError_ = true;
    }
}

void TAVOSpeedTestViewController::userDidClickClose(TAVOPopupViewController&) {
    if (auto d = delegate.lock()) d->speedTestViewControllerWillDismiss(*this);
    if (willDismissHandler_) willDismissHandler_();
}

std::function<void()> TAVOSpeedTestViewController::guarded(std::function<void(TAVOSpeedTestViewController&)> step) {
    std::weak_ptr<TAVOSpeedTestViewController> weak = self<TAVOSpeedTestViewController>();
    return [weak, step = std::move(step)] {
        auto screen = weak.lock();
        if (screen && !screen->dataError_) step(*screen);
    };
}

void TAVOSpeedTestViewController::start() {
    setTestingSpeed(true);
    circleProgressView_->setProgress(0);
    circleContainerViewReady_ = downloadSpeedReady_ = uploadSpeedReady_ = dataError_ = false;
    updateCurrentSpeed(0);
    showResultAnimated(false, guarded([](TAVOSpeedTestViewController& screen) {
                           screen.circleContainerViewReady_ = true;
                           screen.waitForSpeedResult();
                       }));
    auto facade = TAVOAccountManager::shareInstance();
    (void)facade->testRouterSpeed(0);
    (void)facade->testRouterSpeed(1);
    for (auto& label : speedSubtitleLabels_) label->setSpeedKB(0);
}

void TAVOSpeedTestViewController::resetValues() {
    tick_.stop();
    circleProgressView_->setProgress(0);
    isTestingSpeed_ = circleContainerViewReady_ = downloadSpeedReady_ = uploadSpeedReady_ = dataError_ = false;
    updateCurrentSpeed(0);
    for (auto& label : speedSubtitleLabels_) label->setSpeedKB(0);
    rotationView_->setValue(0, kStepDuration, nullptr);
    showSpeedSubtitleItem(2, 0, false, nullptr);
    showSpeedSubtitleItem(2, 1, false, nullptr);
    std::weak_ptr<TAVOSpeedTestViewController> weak = self<TAVOSpeedTestViewController>();
    showResultAnimated(false, [weak] {
        if (auto screen = weak.lock()) screen->setTestingSpeed(false);
    });
}

void TAVOSpeedTestViewController::speedAnswered(const ns::Value& result) {
    auto record = result.as<TAVORouterTestSpeed>();
    if (!record) return;
    // Type 1 is the download, type 0 the upload, in whichever order they come.
    if (record->speedType() != 0) {
        downloadSpeedReady_ = true;
        downloadSpeedKB_ = record->speed() / 1024.0;
    } else {
        uploadSpeedReady_ = true;
        uploadSpeedKB_ = record->speed() / 1024.0;
    }
}

void TAVOSpeedTestViewController::speedFailed(const TAVOErrorPtr& error) {
    std::string message = getErrMsgFromObject(error);
    if (message.empty()) message = TAVOLocalizedString("request is failed");
    showToast(CustomizedHUDTypeWarning, message);
    resetValues();
    dataError_ = true;
}

void TAVOSpeedTestViewController::waitForSpeedResult() {
    // The popup closed: the sequence ends here.
    if (dataError_ || !view()->superview()) return;
    const bool ready = downloadSpeedReady_ && uploadSpeedReady_ && circleContainerViewReady_;
    tick_.start(ready ? kReadyTick : kWaitingTick, false, guarded([](TAVOSpeedTestViewController& screen) {
                    screen.doPingAnimation();
                }));
}

void TAVOSpeedTestViewController::doPingAnimation() {
    const float progress = circleProgressView_->progress() + kRingStep;
    circleProgressView_->setProgress(progress);
    if (progress < 1) {
        waitForSpeedResult();
        return;
    }
    // A full ring without both answers ends the sequence; only a cancel
    // returns to idle.
    if (!(downloadSpeedReady_ && uploadSpeedReady_)) return;
    makePlotPoints();
    runColumn(0);
}

void TAVOSpeedTestViewController::makePlotPoints() {
    std::srand(static_cast<unsigned>(ns::Clock::now()));
    for (int i = 0; i < kPlotPointCount; ++i) {
        // Each point lies between 0.55 and 1.45 times the measured speed.
        downloadSpeedsKB_[i] = downloadSpeedKB_ + downloadSpeedKB_ / 10 * (4.5 - (std::rand() % 10));
        uploadSpeedsKB_[i] = uploadSpeedKB_ + uploadSpeedKB_ / 10 * (4.5 - (std::rand() % 10));
    }
}

void TAVOSpeedTestViewController::runColumn(int column) {
    showSpeedSubtitleItem(0, column, true, guarded([column](TAVOSpeedTestViewController& screen) {
        screen.speedWaitingViews_[column]->animateWaiting(
            kStepDuration, screen.guarded([column](TAVOSpeedTestViewController& s) {
                auto plot = s.speedPlotViews_[column]->firstPlot();
                const auto& points = s.pointsOf(column);
                plot->setValues({});
                plot->minValue = 0;
                plot->maxValue = static_cast<float>(std::max(0.0, *std::max_element(points.begin(), points.end())));
                s.speedPlotViews_[column]->setNeedsDisplay();
                s.showSpeedSubtitleItem(1, column, true, s.guarded([column](TAVOSpeedTestViewController& t) {
                    t.doPlotAnimation(column);
                }));
            }));
    }));
}

void TAVOSpeedTestViewController::doPlotAnimation(int column) {
    auto plotView = speedPlotViews_[column];
    auto plot = plotView->firstPlot();
    const std::size_t count = plot->values().size();
    if (count >= static_cast<std::size_t>(kPlotPointCount)) {
        finishColumn(column);
        return;
    }
    const double point = pointsOf(column)[count];
    plot->addValuesObject(ns::Value(point));
    plotView->setNeedsDisplay();
    updateCurrentSpeed(point);
    rotationView_->setValue(point, kStepDuration, guarded([column](TAVOSpeedTestViewController& screen) {
                                screen.doPlotAnimation(column);
                            }));
}

void TAVOSpeedTestViewController::finishColumn(int column) {
    updateCurrentSpeed(0);
    rotationView_->setValue(0, kStepDuration, guarded([column](TAVOSpeedTestViewController& screen) {
                                screen.speedSubtitleLabels_[column]->setSpeedKB(column == 0 ? screen.downloadSpeedKB_
                                                                                            : screen.uploadSpeedKB_);
                                screen.showSpeedSubtitleItem(
                                    2, column, true, screen.guarded([column](TAVOSpeedTestViewController& s) {
                                        if (column == 0)
                                            s.runColumn(1);
                                        else
                                            s.doResultAnimation();
                                    }));
                            }));
}

void TAVOSpeedTestViewController::doResultAnimation() {
    resultTitleLabel_->setText(
        ns::format(TAVOLocalizedString("Your speed is: %@"), TAVOSpeedLabel::formatStringForSpeed(downloadSpeedKB_)));
    resultSubtitleLabel_->setText(ns::format(TAVOLocalizedString("Operator speed is about: %@"),
                                             ns::format("%.0f M", operatorMegabits(downloadSpeedKB_))));
    std::weak_ptr<TAVOSpeedTestViewController> weak = self<TAVOSpeedTestViewController>();
    showResultAnimated(true, [weak] {
        auto screen = weak.lock();
        if (!screen) return;
        ui::ViewAnimation::transition(screen->buttonTestSpeed_, kStepDuration,
                                      ui::ViewAnimationOptionTransitionCrossDissolve,
                                      [screen] { screen->setTestingSpeed(false); });
    });
}

void TAVOSpeedTestViewController::showResultAnimated(bool show, std::function<void()> completion) {
    if (show && dataError_) return;
    if (!show && !resultContainerViewVisible_) {
        if (completion) completion();
        return;
    }
    resultContainerViewVisible_ = show;
    auto dial = circleContainerView_;
    auto speeds = speedsContainerView_;
    auto result = resultContainerView_;
    std::vector<ui::ViewPtr> faded{labelCurrentSpeed_, labelCurrentSpeedUnit_, circleProgressView_};
    auto finish = [completion](bool) {
        if (completion) completion();
    };
    if (show) {
        // Up past the resting place, then back: the result springs in.
        result->setTransform(cg::AffineTransformMakeScale(0.5, 0.5));
        ui::ViewAnimation::animate(kResultDuration * 0.6, [=] {
            setTop(dial, kDialTopOvershoot);
            setTop(speeds, kSpeedsTopOvershoot);
            result->setAlpha(1);
            result->setTransform(cg::AffineTransformMakeScale(1.2, 1.2));
            for (const auto& view : faded) view->setAlpha(0);
        }, [=](bool) {
            ui::ViewAnimation::animate(kResultDuration * 0.4, [=] {
                setTop(dial, kDialTopShown);
                setTop(speeds, kSpeedsTopShown);
                result->setTransform(cg::AffineTransformMakeScale(1, 1));
            }, finish);
        });
    } else {
        ui::ViewAnimation::animate(kResultDuration, [=] {
            setTop(dial, kDialTop);
            setTop(speeds, kSpeedsTop);
            result->setAlpha(0);
            for (const auto& view : faded) view->setAlpha(1);
        }, finish);
    }
}

void TAVOSpeedTestViewController::showSpeedSubtitleItem(int item, int column, bool animated,
                                                        std::function<void()> completion) {
    auto apply = [this, item, column] {
        speedWaitingViews_[column]->setAlpha(item == 0 ? 1 : 0);
        speedPlotViews_[column]->setAlpha(item == 1 ? 1 : 0);
        speedSubtitleLabels_[column]->setAlpha(item == 2 ? 1 : 0);
    };
    if (!animated) {
        apply();
        if (completion) completion();
        return;
    }
    ui::ViewAnimation::animate(kStepDuration, apply, [completion](bool) {
        if (completion) completion();
    });
}

void TAVOSpeedTestViewController::updateCurrentSpeed(double speedKB) {
    const auto [number, unit] = splitSpeedText(TAVOSpeedLabel::formatStringForSpeed(speedKB));
    labelCurrentSpeed_->setText(number);
    labelCurrentSpeedUnit_->setText(unit);
}
