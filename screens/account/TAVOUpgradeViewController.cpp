#include "screens/account/TAVOUpgradeViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/Format.h"
#include "platform/ui/NavigationController.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterQueryRomUpdateRequest.h"
#include "widgets/UIViewBusyIndicator.h"

namespace {
constexpr double kSideMargin = 15;
constexpr double kHeaderTopGap = 25;
constexpr double kLogoSize = 67;
constexpr double kLogoTop = 20;
constexpr int kButtonCaps = 8;
constexpr int kProgressLeftCap = 22;
constexpr double kBusySize = 30;
constexpr double kNotesGap = 8;
constexpr const char* kDateFormat = "yyyy/MM/dd";
// Shown as they stand, untranslated.
constexpr const char* kNoDateText = "年/月/日";
constexpr const char* kDownloadingText = "下载中...";
constexpr const char* kInstallingText = "安装中...";
constexpr const char* kUpgradedText = "升级成功";

ui::LabelPtr makeLabel(const cg::Rect& frame, const std::string& text, const ui::Font& font, const ui::Color& color,
                       ui::TextAlignment alignment = ui::TextAlignment::Center) {
    auto label = ui::Label::create(frame);
    label->setText(text);
    label->setFont(font);
    label->setTextColor(color);
    label->setBackgroundColor(ui::Color::clearColor());
    label->setTextAlignment(alignment);
    return label;
}

ui::ImagePtr stretched(const char* name, long leftCap, long topCap) {
    auto image = ui::Image::imageNamed(name);
    return image ? image->stretchableImageWithLeftCapWidth(leftCap, topCap) : nullptr;
}

std::shared_ptr<TAVORouterRomUpdataInfo> currentUpdateInfo() {
    auto router = TAVOAccountManager::shareInstance()->currentRouter();
    return router ? router->updateInfo : nullptr;
}
}  // namespace

TAVOUpgradeViewController::~TAVOUpgradeViewController() {
    if (listener_) listener_->endCheckUpdateProgress();
}

void TAVOUpgradeViewController::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    view()->setBackgroundColor(backgroundColor());
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(TAVOLocalizedString("Ardo SOS"));
    initData();
    setupUI();
    loadData();
}

std::string TAVOUpgradeViewController::accountQt() const {
    auto account = TAVOAccountManager::shareInstance()->currentAccountData();
    return account ? account->qt() : std::string();
}

void TAVOUpgradeViewController::initData() {
    listener_ = TAVORouterRomUpdateListener::create();
    auto self = this->self<TAVOUpgradeViewController>();
    listener_->delegate = self;
    std::weak_ptr<TAVOUpgradeViewController> weak = self;
    TAVORequestAnswers::listen<TAVORouterQueryRomUpdateRequest>(
        self,
        [weak](const ns::Value& record, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->getRomInfoOK(record);
        },
        [weak](const TAVOErrorPtr& error, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->getRomInfoNG(error);
        });
    // The ring stops while the application is in the background.
    auto center = ns::NotificationCenter::defaultCenter();
    becomeActiveObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(ns::UIApplicationDidBecomeActiveNotification, {}, nullptr,
                                           [weak](const ns::NotificationPtr&) {
                                               auto screen = weak.lock();
                                               if (!screen || !screen->countDownView_) return;
                                               screen->countDownView_->stopCircleAnimation();
                                               screen->countDownView_->startCircleAnimation();
                                           }));
}

void TAVOUpgradeViewController::setupUI() {
    const cg::Rect bounds = view()->bounds();
    const double width = bounds.size.width;

    const cg::Rect buttonFrame = cg::RectMake(kSideMargin, bounds.size.height - kButtonBottomGap,
                                              width - 2 * kSideMargin, kButtonHeight);
    updateButton_ = ui::Button::buttonWithType(ui::ButtonType::Custom);
    updateButton_->setFrame(buttonFrame);
    updateButton_->setTitle(TAVOLocalizedString("click to update"), ui::ControlStateNormal);
    updateButton_->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
    updateButton_->setTitleColor(ui::Color::rgb255(187, 187, 187), ui::ControlStateDisabled);
    updateButton_->titleLabel()->setFont(ui::Font::systemFontOfSize(16));
    updateButton_->setBackgroundImage(stretched("public_btn01", kButtonCaps, kButtonCaps), ui::ControlStateNormal);
    updateButton_->setBackgroundImage(stretched("public_btn01", kButtonCaps, kButtonCaps), ui::ControlStateDisabled);
    updateButton_->setBackgroundImage(stretched("public_btn01_pre", kButtonCaps, kButtonCaps),
                                      ui::ControlStateHighlighted);
    updateButton_->setEnabled(false);
    updateButton_->addTarget(self<TAVOUpgradeViewController>(), &TAVOUpgradeViewController::updateRom, "updateRom",
                             ui::ControlEventTouchUpInside);
    view()->addSubview(updateButton_);

    bgUpdateImg_ = ui::ImageView::create(buttonFrame);
    bgUpdateImg_->setImage(stretched("bg_update_progress_setting", kProgressLeftCap, 0));
    bgUpdateImg_->setHidden(true);
    updateProgressView_ = ui::ImageView::create(cg::RectMake(0, 0, 0, buttonFrame.size.height));
    updateProgressView_->setImage(stretched("update_progress_setting", kProgressLeftCap, 0));
    bgUpdateImg_->addSubview(updateProgressView_);
    updateStatusLB_ = makeLabel(cg::RectMake(0, 0, buttonFrame.size.width, buttonFrame.size.height),
                                TAVOLocalizedString("update in progress"), ui::Font::systemFontOfSize(15),
                                ui::Color::whiteColor());
    bgUpdateImg_->addSubview(updateStatusLB_);
    view()->addSubview(bgUpdateImg_);

    // The header: logo, name, version and date.
    const double headerTop = cg::RectGetMaxY(navBar()->frame()) + kHeaderTopGap;
    auto header = ui::View::create(cg::RectMake(0, headerTop, width, kHeaderHeight));
    header->setBackgroundColor(ui::Color::clearColor());
    auto logo = ui::ImageView::create(cg::RectMake((width - kLogoSize) / 2, kLogoTop, kLogoSize, kLogoSize));
    logo->setImage(ui::Image::imageNamed("logo_about"));
    header->addSubview(logo);
    double y = cg::RectGetMaxY(logo->frame()) + 12;
    header->addSubview(makeLabel(cg::RectMake(0, y, width, 26), TAVOLocalizedString("Ardo sos"),
                                 ui::Font::boldSystemFontOfSize(20), ui::Color::white(0.2)));
    y += 34;
    versionLabel_ = makeLabel(cg::RectMake(0, y, width, 16), TAVOLocalizedString("version"),
                              ui::Font::systemFontOfSize(11), ui::Color::white(0.4));
    header->addSubview(versionLabel_);
    y += 20;
    dateLabel_ = makeLabel(cg::RectMake(0, y, width, 16), kNoDateText, ui::Font::systemFontOfSize(11),
                           ui::Color::white(0.4));
    header->addSubview(dateLabel_);
    view()->addSubview(header);

    // The release notes between the header and the button.
    const double notesTop = headerTop + kHeaderHeight - 60;
    updateDes_ = makeLabel(cg::RectMake(kSideMargin, notesTop, width - 2 * kSideMargin, 18),
                           TAVOLocalizedString("update content"), ui::Font::systemFontOfSize(13), ui::Color::white(0.2),
                           ui::TextAlignment::Left);
    view()->addSubview(updateDes_);
    const double textTop = cg::RectGetMaxY(updateDes_->frame()) + kNotesGap;
    const cg::Rect textFrame =
        cg::RectMake(kSideMargin, textTop, width - 2 * kSideMargin, buttonFrame.origin.y - kNotesGap - textTop);
    textView_ = ui::TextView::create(textFrame);
    textView_->editable = false;
    textView_->setContentInset(cg::EdgeInsets{});
    textView_->setFont(ui::Font::systemFontOfSize(13));
    textView_->setBackgroundColor(ui::Color::clearColor());
    textView_->textColor = ui::Color::white(0.4);
    view()->addSubview(textView_);
    latestVersionLabel_ = makeLabel(textFrame, TAVOLocalizedString("this is the latest version"),
                                    ui::Font::systemFontOfSize(20), ui::Color::white(0.4));
    latestVersionLabel_->setHidden(true);
    view()->addSubview(latestVersionLabel_);
}

void TAVOUpgradeViewController::loadData() {
    requestUpdateProgress();
    getRomData();
}

void TAVOUpgradeViewController::requestUpdateProgress() {
    cg::Rect frame = updateProgressView_->frame();
    frame.size.width = 0;
    updateProgressView_->setFrame(frame);
    currentProgress_ = 0;
    listener_->startCheckUpdateProgress(TAVOAccountManager::shareInstance()->currentRouter(), accountQt());
}

void TAVOUpgradeViewController::getRomData() {
    requestRomUpdateInfo();
    const cg::Rect bounds = view()->bounds();
    UIViewBusyIndicator::showBusyIndicator(
        view(), cg::RectMake((bounds.size.width - kBusySize) / 2, (bounds.size.height - kBusySize) / 2, kBusySize,
                             kBusySize));
}

void TAVOUpgradeViewController::requestRomUpdateInfo() {
    if (TAVOAccountManager::shareInstance()->checkRouterRomUpdate() < 0)
        showToast(CustomizedHUDTypeWarning, TAVOLocalizedString(kCommonServerErrorKey));
}

void TAVOUpgradeViewController::getRomInfoOK(const ns::Value& result) {
    UIViewBusyIndicator::dismissBusyIndicator(view());
    auto record = result.as<TAVORouterRomUpdataInfo>();
    if (record) {
        if (record->update_type <= 0) {
            showToast(CustomizedHUDTypeInfo, TAVOLocalizedString("this is the latest version"));
        } else if (auto router = TAVOAccountManager::shareInstance()->currentRouter()) {
            router->updateInfo = record;
        }
    }
    updateInfo();
}

void TAVOUpgradeViewController::getRomInfoNG(const TAVOErrorPtr& error) {
    UIViewBusyIndicator::dismissBusyIndicator(view());
    showError(getErrMsgFromObject(error));
}

void TAVOUpgradeViewController::updateInfo() {
    auto info = currentUpdateInfo();
    updateButton_->setEnabled(info && info->update_type > 0);
    updateRomInfo(info ? info->verNotice : std::string());
    std::string version = info ? info->version : std::string();
    if (version.empty()) {
        auto listener = TAVOAccountManager::shareInstance()->statusLisener();
        auto status = listener ? listener->status() : nullptr;
        if (status && status->hardwareInfo) version = status->hardwareInfo->rom_version;
    }
    updateRomVersion(version);
    updateRomTime(info ? info->timeNum : ns::Value());
}

void TAVOUpgradeViewController::updateRomInfo(const std::string& notice) {
    const bool hasNotice = !notice.empty();
    updateDes_->setHidden(!hasNotice);
    textView_->setText(notice);
    latestVersionLabel_->setHidden(hasNotice);
    if (!hasNotice) latestVersionLabel_->setText(TAVOLocalizedString("this is the latest version"));
}

void TAVOUpgradeViewController::updateRomVersion(const std::string& version) {
    versionLabel_->setHidden(version.empty());
    if (!version.empty()) versionLabel_->setText(ns::format("%@ %@", TAVOLocalizedString("version"), version));
}

void TAVOUpgradeViewController::updateRomTime(const ns::Value& timeNum) {
    const bool known = !timeNum.isNil() && !timeNum.isNull();
    dateLabel_->setHidden(!known);
    if (known) dateLabel_->setText(TAVOCommonUtility::convertStringFromNumber(timeNum.doubleValue(), kDateFormat));
}

void TAVOUpgradeViewController::updateRom() {
    if (listener_->requestUpdateRom(TAVOAccountManager::shareInstance()->currentRouter(), accountQt()) < 0) {
        showError(TAVOLocalizedString("fail to update rom"));
        return;
    }
    std::weak_ptr<TAVOUpgradeViewController> weak = self<TAVOUpgradeViewController>();
    updateTimeout_.start(kUpdateTimeoutSeconds, false, [weak] {
        if (auto screen = weak.lock()) screen->updateFailed();
    });
    showToastAutoDismiss(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString("update in progress"), false);
}

void TAVOUpgradeViewController::showProgressLook() {
    bgUpdateImg_->setHidden(false);
    updateButton_->setHidden(true);
}

void TAVOUpgradeViewController::listenerEventIdErr(TAVORouterRomUpdateListener&, int eventId,
                                                   const std::optional<std::string>& err) {
    if (err) {
        updateFailed();
        showError(*err);
        return;
    }
    if (eventId != 0) return;
    dismissToast();
    showProgressLook();
    requestUpdateProgress();
}

void TAVOUpgradeViewController::listenerProgress(TAVORouterRomUpdateListener&, float progress) {
    showProgressLook();
    updateStatusLB_->setText(kDownloadingText);
    updateStatusLB_->setTextColor(ui::Color::blackColor());
    // The bar never moves back.
    if (progress > currentProgress_) {
        currentProgress_ = progress;
        updateProgress();
    }
}

void TAVOUpgradeViewController::updateProgress() {
    cg::Rect frame = bgUpdateImg_->bounds();
    frame.size.width *= currentProgress_ * 0.01;
    updateProgressView_->setFrame(frame);
}

void TAVOUpgradeViewController::listenerWithStatus(TAVORouterRomUpdateListener&, int status) {
    switch (status) {
        case 2: case 3: case 4:
            showProgressLook();
            currentProgress_ = 100;
            updateStatusLB_->setTextColor(ui::Color::whiteColor());
            updateProgress();
            updateStatusLB_->setText(kInstallingText);
            break;
        case -5: case -3: case -2: case 50:
            updateFailed();
            showError(TAVOLocalizedString("fail to update rom"));
            break;
        case -1:
            updateFailed();
            break;
        case 100:
            listener_->endCheckUpdateProgress();
            if (auto router = TAVOAccountManager::shareInstance()->currentRouter()) router->updateInfo = nullptr;
            showRestartRouterIndicator();
            updateStatusLB_->setText(kUpgradedText);
            break;
        default:
            break;
    }
}

void TAVOUpgradeViewController::updateFailed() {
    bgUpdateImg_->setHidden(true);
    updateButton_->setHidden(false);
    cg::Rect frame = updateProgressView_->frame();
    frame.size.width = 0;
    updateProgressView_->setFrame(frame);
    updateTimeout_.stop();
}

void TAVOUpgradeViewController::showRestartRouterIndicator() {
    if (countDownView_) return;
    countDownView_ = TAVORestartCountDownView::create(view()->bounds());
    countDownView_->startCountDown(kRestartSeconds);
    countDownView_->setIntroduceContent(TAVOLocalizedString("restart progress"));
    countDownView_->setDelegate(self<TAVOUpgradeViewController>());
    view()->addSubview(countDownView_);
}

void TAVOUpgradeViewController::timeout(TAVOCountDownView&) {
    // The count-down goes first, so it can never be left over the screen;
    // then the screen leaves the way it came: a presented stack is
    // dismissed, a pushed screen popped.
    auto keep = self<TAVOUpgradeViewController>();
    if (countDownView_) {
        countDownView_->removeFromSuperview();
        countDownView_.reset();
    }
    auto nav = navigationController();
    if (nav && nav->presentingViewController()) {
        nav->dismissViewControllerAnimated(true);
    } else if (nav) {
        nav->popViewControllerAnimated(true);
    } else if (presentingViewController()) {
        dismissViewControllerAnimated(true);
    }
}
