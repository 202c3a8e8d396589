#include "screens/wifi/TAVORadioPowerAdjustViewController.h"

#include <algorithm>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterQueryRadioPower.h"
#include "protocol/requests/catalogue/TAVORouterSetRadioPowerRequest.h"
#include "screens/wifi/TAVORadioPowerReading.h"

namespace {

constexpr double kHeaderHeightTall = 343;
constexpr double kHeaderHeightShort = 333;
constexpr double kSliderHeight = 60;
constexpr double kSliderGapTall = 53;
constexpr double kSliderGapShort = 22;
constexpr double kDescriptionHeight = 40;
constexpr double kDescriptionBottomTall = 60;
constexpr double kDescriptionBottomShort = 40;
constexpr double kDescriptionFontSize = 13;
// The slider's stops are the five-step positions 2, 3 and 4.
constexpr int kFirstSliderPosition = 2;

}  // namespace

std::shared_ptr<TAVORadioPowerAdjustViewController> TAVORadioPowerAdjustViewController::create() {
    auto screen = make<TAVORadioPowerAdjustViewController>();
    screen->hidesBottomBarWhenPushed = true;
    return screen;
}

std::string TAVORadioPowerAdjustViewController::getStr(int position) {
    static const char* const keys[] = {"radio power most weak mode for detail", "radio power weak mode for detail",
                                       "radio power normal mode for detail", "radio power strong mode for detail",
                                       "radio power more strong mode for detail"};
    return position >= 0 && position <= 4 ? keys[position] : keys[2];
}

void TAVORadioPowerAdjustViewController::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    hidesBottomBarWhenPushed = true;
    navBar()->setBgImage(nullptr);
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(TAVOLocalizedString("Radio power adjust"), ui::Color::whiteColor());

    const bool tall = TAVOCommonUtility::is4InchScreen();
    const double w = view()->bounds().size.width;
    const double h = view()->bounds().size.height;
    const double headerHeight = tall ? kHeaderHeightTall : kHeaderHeightShort;
    headView_ = TAVOSignalAdjustingHeaderView::create(cg::RectMake(0, 0, w, headerHeight));
    view()->addSubview(headView_);
    auto panel = ui::View::create(cg::RectMake(0, headerHeight, w, h - headerHeight));
    panel->setBackgroundColor(backgroundColor());
    view()->addSubview(panel);

    adjustView_ = TAVOSignalAdjustingControlView::create(
        cg::RectMake(0, headerHeight + (tall ? kSliderGapTall : kSliderGapShort), w, kSliderHeight));
    adjustView_->setBackgroundColor(ui::Color::clearColor());
    adjustView_->setTitleArray({TAVOLocalizedString("radio power saving level1"),
                                TAVOLocalizedString("radio power saving level3"),
                                TAVOLocalizedString("radio power saving level5")});
    adjustView_->setDelegate(self<TAVORadioPowerAdjustViewController>());
    view()->addSubview(adjustView_);

    const double bottom = tall ? kDescriptionBottomTall : kDescriptionBottomShort;
    introduceLabel_ = ui::Label::create(cg::RectMake(0, h - bottom - kDescriptionHeight, w, kDescriptionHeight));
    introduceLabel_->setNumberOfLines(0);
    introduceLabel_->setTextAlignment(ui::TextAlignment::Center);
    introduceLabel_->setFont(ui::Font::systemFontOfSize(kDescriptionFontSize));
    introduceLabel_->setTextColor(ui::Color::white(0.4));
    introduceLabel_->setBackgroundColor(ui::Color::clearColor());
    view()->addSubview(introduceLabel_);
    view()->bringSubviewToFront(introduceLabel_);
    view()->bringSubviewToFront(navBar());

    auto self = this->self<TAVORadioPowerAdjustViewController>();
    TAVORequestAnswers::listen<TAVORouterQueryRadioPower>(
        self, [this](const ns::Value& records, const ns::Dictionary&) { getRadioOK(records); },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) {
            dismissToast();
            showError(getErrMsgFromObject(error));
        });
    TAVORequestAnswers::listen<TAVORouterSetRadioPowerRequest>(
        self,
        [this](const ns::Value&, const ns::Dictionary&) {
            dismissToast();
            radioPower_ = lastRadioPower_;
            lastRadioPower_ = -1;
            updateView();
        },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) {
            dismissToast();
            showError(getErrMsgFromObject(error));
            updateView();
        });
    updateView();
    getRadio();
    auto center = ns::NotificationCenter::defaultCenter();
    std::weak_ptr<TAVORadioPowerAdjustViewController> weak = self;
    becameActive_ = ns::ScopedObserver(center, center->addObserverForName(ns::UIApplicationDidBecomeActiveNotification, {}, nullptr,
                                                                          [weak](const ns::NotificationPtr&) {
                                                                              if (auto screen = weak.lock()) screen->updateView();
                                                                          }));
}

void TAVORadioPowerAdjustViewController::getRadio() {
    if (TAVOAccountManager::shareInstance()->getRadio() < 0) showError("");
}

void TAVORadioPowerAdjustViewController::setRadio(int power) {
    if (TAVOAccountManager::shareInstance()->setRadio(power) < 0) {
        showError("");
        return;
    }
    lastRadioPower_ = power;
}

void TAVORadioPowerAdjustViewController::adjustControl(TAVOSignalAdjustingControlView&, int position) {
    setRadio(TAVOCommonUtility::getRadioByPosition(position + kFirstSliderPosition));
}

void TAVORadioPowerAdjustViewController::getRadioOK(const ns::Value& records) {
    dismissToast();
    if (auto power = TAVORadioPowerReading::currentPower(records)) radioPower_ = static_cast<int>(*power);
    updateView();
}

void TAVORadioPowerAdjustViewController::updateView() {
    const int position = TAVOCommonUtility::getPostionNum(radioPower_);
    introduceLabel_->setText(TAVOLocalizedString(getStr(std::max(position, kFirstSliderPosition))));
    headView_->setStrength(position);
    adjustView_->setPosition(position < kFirstSliderPosition ? 0 : position - kFirstSliderPosition);
}

void TAVORadioPowerAdjustViewController::showError(const std::string& text) {
    showToast(CustomizedHUDTypeWarning, text.empty() ? TAVOLocalizedString("fail to set router setting") : text);
}
