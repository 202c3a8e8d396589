#include "screens/safety/TAVOSafeReportViewController.h"

#include <ctime>
#include <random>

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "net/imageloader/UIImageViewWebCache.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/Utf16.h"
#include "platform/ui/Image.h"
#include "screens/safety/TAVOSafetyStyle.h"
#include "uikit/LXCommodityStyleModifiers.h"
#include "widgets/TAVOGradientBgView.h"

namespace {

const char* const kLevelTitles[] = {"0 star Major Colonel",   "1 star Lieutenant Colonel", "2 star Colonel",
                                    "3 star Major General",   "4 star Lieutenant General", "5 star General"};
const char* const kCounterTexts[] = {"set net control", "protect to theal account", "DNS safe protection",
                                     "block dangerous websites", "heart blood protection"};
constexpr int kStarsByPoints[] = {5, 4, 4, 3, 3, 2, 2, 1, 1, 0};
constexpr const char* kYou = "您";
constexpr double kCountFontSize = 30;
constexpr double kCardCornerRadius = 5;

}  // namespace

void TAVOSafeReportViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    hidesBottomBarWhenPushed = true;
    navBar()->setBgImage(nullptr);
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleBackArrow);
    navBar()->setTitle(TAVOLocalizedString("safe report"), ui::Color::whiteColor());
    auto background = TAVOGradientBgView::create(view()->bounds());
    background->setAutoresizingMask(ui::ViewAutoresizingFlexibleHeight);
    background->setBgCorlor(TAVOSafetyStyle::safeGreen());
    view()->insertSubviewAtIndex(background, 0);
    buildViews();
    view()->bringSubviewToFront(navBar());
    updateView();
}

void TAVOSafeReportViewController::buildViews() {
    const cg::Rect b = view()->bounds();
    const double top = cg::RectGetMaxY(navBar()->frame()) + 10;
    const double w = b.size.width - 20;
    bgReportView_ = ui::View::create(cg::RectMake(10, top, w, b.size.height - top - 10));
    view()->addSubview(bgReportView_);
    reportView_ = ui::View::create(bgReportView_->bounds());
    reportView_->setBackgroundColor(ui::Color::whiteColor());
    reportView_->layer()->setCornerRadius(kCardCornerRadius);
    reportView_->layer()->setMasksToBounds(true);
    bgReportView_->addSubview(reportView_);

    headerView_ = ui::ImageView::create(cg::RectMake(14, 14, 56, 56));
    headerView_->layer()->setCornerRadius(28);
    headerView_->layer()->setMasksToBounds(true);
    headerView_->setImage(ui::Image::imageNamed(kPhotoImage));
    reportView_->addSubview(headerView_);
    nameLabel_ = LXAttributedLabel::create(cg::RectMake(80, 14, w - 94, 24));
    nameLabel_->setBackgroundColor(ui::Color::clearColor());
    nameLabel_->setTextColor(ui::Color::white(0.2));
    reportView_->addSubview(nameLabel_);
    introduceLabel_ = ui::Label::create(cg::RectMake(80, 40, w - 94, 18));
    introduceLabel_->setFont(ui::Font::systemFontOfSize(12));
    introduceLabel_->setTextColor(ui::Color::white(0.4));
    reportView_->addSubview(introduceLabel_);
    levelIndicator_ = ui::ImageView::create(cg::RectMake(80, 60, 100, 18));
    levelIndicator_->setContentMode(ui::ContentMode::Center);
    reportView_->addSubview(levelIndicator_);
    levelLabel_ = ui::Label::create(cg::RectMake(14, 86, w - 120, 26));
    levelLabel_->setFont(ui::Font::boldSystemFontOfSize(20));
    levelLabel_->setTextColor(TAVOSafetyStyle::safeGreen());
    reportView_->addSubview(levelLabel_);
    iconView_ = ui::ImageView::create(cg::RectMake(w - 94, 80, 80, 80));
    reportView_->addSubview(iconView_);

    for (int i = 0; i < 5; ++i) {
        const double y = 170 + i * 48;
        auto count = LXAttributedLabel::create(cg::RectMake(14, y, 120, 40));
        count->setBackgroundColor(ui::Color::clearColor());
        reportView_->addSubview(count);
        countLabels_.push_back(count);
        auto text = ui::Label::create(cg::RectMake(140, y, w - 154, 40));
        text->setFont(ui::Font::systemFontOfSize(14));
        text->setTextColor(ui::Color::white(0.4));
        reportView_->addSubview(text);
        textLabels_.push_back(text);
    }
    shareBtn_ = ui::Button::create(cg::RectZero);
    reportView_->addSubview(shareBtn_);
}

int TAVOSafeReportViewController::openSafetyPoints(const TAVORouterStatusPtr& status, int wifiPasswordStrength,
                                                   int adminPasswordSafety) {
    int n = status ? status->unopenedSafeItemCount() : 0;
    if (wifiPasswordStrength != 4) ++n;
    if (adminPasswordSafety != 0) ++n;
    return n;
}

int TAVOSafeReportViewController::calcSafetyLevel() const {
    auto lisener = TAVOAccountManager::shareInstance()->statusLisener();
    // Without a poller nothing is known: strength 0 counts as weak, safety 0 as safe.
    const int n = lisener ? openSafetyPoints(lisener->status(), lisener->wifiPasswordStrength(), lisener->adminPasswordSafety())
                          : openSafetyPoints(nullptr, 0, 0);
    return transferToStarLevel(n);
}

int TAVOSafeReportViewController::transferToStarLevel(int n) { return n >= 0 && n <= 9 ? kStarsByPoints[n] : 0; }

ui::ImagePtr TAVOSafeReportViewController::getSafetyLevel(int stars) {
    return ui::Image::imageNamed(ns::format("safe_share_satr0%d", stars));
}

std::string TAVOSafeReportViewController::getLevelText(int stars) {
    return stars >= 0 && stars <= 5 ? TAVOLocalizedString(kLevelTitles[stars]) : std::string();
}

ui::ImagePtr TAVOSafeReportViewController::getRandomIcon() {
    const auto now = static_cast<unsigned>(ns::Clock::now());
    std::random_device seed;
    const unsigned r = now > 0 ? std::uniform_int_distribution<unsigned>(0, now - 1)(seed) : 0;
    return ui::Image::imageNamed(ns::format("safe_share_cartoon_0%d", static_cast<int>(r % 5 + 1)));
}

ns::AttributedStringPtr TAVOSafeReportViewController::nameLine(const std::string& accountName) {
    std::string name = accountName;
    if (ns::utf16::length(name) > kNameLimit) name = ns::utf16::substring(name, ns::makeRange(0, kNameLimit));
    std::string line;
    if (name.empty()) {
        name = kYou;
        line = ns::format("%@%@", name, TAVOLocalizedString("of router"));
    } else {
        line = ns::format("%@ %@", name, TAVOLocalizedString("of router"));
    }
    auto out = TAVOSafetyStyle::styled(line, ui::Font::systemFontOfSize(17), ui::Color::white(0.2));
    LXCommodityStyleModifiers::setFont(*out, ui::Font::boldSystemFontOfSize(17), ns::makeRange(0, ns::utf16::length(name)));
    return out;
}

ns::AttributedStringPtr TAVOSafeReportViewController::countText(int count) {
    auto out = ns::AttributedString::create(ns::format("%d 次", count));
    const std::size_t numberPart = out->length() - 1;
    LXCommodityStyleModifiers::setTextColor(*out, ui::Color::white(0.4));
    LXCommodityStyleModifiers::setFont(*out, ui::Font::systemFontOfSize(14));
    LXCommodityStyleModifiers::setTextColor(*out, TAVOSafetyStyle::safeGreen(), ns::makeRange(0, numberPart));
    LXCommodityStyleModifiers::setFont(*out, ui::Font::systemFontOfSize(kCountFontSize), ns::makeRange(0, numberPart));
    return out;
}

void TAVOSafeReportViewController::updateView() {
    auto facade = TAVOAccountManager::shareInstance();
    auto account = facade->currentAccountData();
    auto placeholder = ui::Image::imageNamed(kPhotoImage);
    if (account && !account->head_pic().empty())
        UIImageViewWebCache::setImageWithURL(headerView_, ns::URL::URLWithString(account->head_pic()), placeholder);
    nameLabel_->setAttributedText(nameLine(account ? account->accountName() : ""));

    const int stars = calcSafetyLevel();
    levelIndicator_->setImage(getSafetyLevel(stars));
    levelLabel_->setText(getLevelText(stars));
    introduceLabel_->setText(TAVOLocalizedString("you be appointed something"));
    iconView_->setImage(getRandomIcon());

    auto lisener = facade->statusLisener();
    auto status = lisener ? lisener->status() : nullptr;
    auto info = status ? status->dynamicInfo : nullptr;
    const int counts[] = {info ? info->stat_anti_freeloader : 0, info ? info->stat_anti_hacking : 0,
                          info ? info->stat_anti_dnshacking : 0, info ? ns::Value(info->stat_intercept).intValue() : 0,
                          info ? info->stat_anti_heart_bleed : 0};
    for (std::size_t i = 0; i < countLabels_.size(); ++i) {
        countLabels_[i]->setTextColor(ui::Color::white(0.4));
        countLabels_[i]->setAttributedText(countText(counts[i]));
        textLabels_[i]->setText(TAVOLocalizedString(kCounterTexts[i]));
    }
}
