#include "screens/safety/TAVOSafeSubViewController.h"

#include <algorithm>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/foundation/Format.h"
#include "platform/ui/Image.h"
#include "platform/ui/ViewAnimation.h"
#include "screens/safety/TAVOSafetyStyle.h"
#include "uikit/LXCommodityStyleModifiers.h"
#include "uikit/UIViewControllerPUPopupViewController.h"
#include "widgets/TAVOPopupViewController.h"
#include "widgets/TAVOSettingSelectCell.h"
#include "widgets/UITableViewCellSeperator.h"
#include "widgets/UIViewLights.h"

namespace {

constexpr double kButtonCap = 8;
constexpr double kButtonWidth = 260;
constexpr double kButtonHeight = 43;
constexpr double kJoinFontSize = 5;
const ui::Color kDarkButtonTitle = ui::Color::rgb255(68, 68, 68);

struct Layout {
    double flashSide, flashTop, titleTop, titleHeight, buttonTop, tableTop;
};

Layout layoutFor(double navBottom, bool tall) {
    if (tall) return {120, navBottom + 16, navBottom + 140, 64, navBottom + 214, navBottom + 272};
    return {90, navBottom + 8, navBottom + 100, 56, navBottom + 162, navBottom + 214};
}

ns::AttributedStringPtr line(const std::string& text, const ui::Font& font) {
    auto out = TAVOSafetyStyle::styled(text, font, ui::Color::whiteColor());
    const bool tall = TAVOCommonUtility::is4InchScreen();
    LXCommodityStyleModifiers::setTextAlignment(*out, tall ? ct::TextAlignment::Center : ct::TextAlignment::Left,
                                                ct::LineBreakMode::CharWrapping);
    const float spacing = static_cast<float>(font.pointSize() / 3);
    LXCommodityStyleModifiers::modifyParagraphStyles(*out, [spacing](LXParagraphStyle& s) { s.lineSpacing = spacing; });
    return out;
}

}  // namespace

void TAVOSafeSubViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    hidesBottomBarWhenPushed = true;
    view()->setBackgroundColor(TAVOSafetyStyle::pageBackground());
    navBar()->setBgImage(nullptr);
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleBackArrow);
    navBar()->setTitle(titleForViewController, ui::Color::whiteColor());
    buildViews();
    titleLabel_->setCenterVertically(true);
    setSwitcherStatus(isSwitcherON() ? StatusOn : StatusOff, false);
    if (tagForHelpView() != 0) navBar()->setRightBarItemImage(ui::Image::imageNamed(kHelpImageName));
}

void TAVOSafeSubViewController::buildViews() {
    const cg::Rect b = view()->bounds();
    const bool tall = TAVOCommonUtility::is4InchScreen();
    const Layout l = layoutFor(cg::RectGetMaxY(navBar()->frame()), tall);

    gradientView_ = TAVOGradientView::create(b);
    gradientView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    view()->insertSubviewAtIndex(gradientView_, 0);

    flashImageView_ = ui::ImageView::create(cg::RectMake((b.size.width - l.flashSide) / 2, l.flashTop, l.flashSide, l.flashSide));
    flashImageView_->setContentMode(ui::ContentMode::ScaleAspectFit);
    view()->addSubview(flashImageView_);

    titleLabel_ = LXAttributedLabel::create(cg::RectMake(20, l.titleTop, b.size.width - 40, l.titleHeight));
    titleLabel_->setBackgroundColor(ui::Color::clearColor());
    titleLabel_->setNumberOfLines(0);
    view()->addSubview(titleLabel_);

    buttonEnable_ = ui::Button::create(cg::RectMake((b.size.width - kButtonWidth) / 2, l.buttonTop, kButtonWidth, kButtonHeight));
    buttonEnable_->setBackgroundColor(ui::Color::clearColor());
    buttonEnable_->addTarget(self<TAVOSafeSubViewController>(), &TAVOSafeSubViewController::clickEnableButton,
                             "clickEnableButton", ui::ControlEventTouchUpInside);
    view()->addSubview(buttonEnable_);

    tableView_ = ui::TableView::create(cg::RectMake(0, l.tableTop, b.size.width, b.size.height - l.tableTop));
    tableView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleHeight);
    auto self = this->self<TAVOSafeSubViewController>();
    tableView_->setDataSource(self);
    tableView_->setTableDelegate(self);
    tableView_->separatorStyle = 0;
    tableView_->setBackgroundColor(TAVOSafetyStyle::pageBackground());
    view()->addSubview(tableView_);
    view()->bringSubviewToFront(navBar());
}

void TAVOSafeSubViewController::viewDidAppear(bool animated) {
    TAVOWIFIViewControler::viewDidAppear(animated);
    if (tagForHelpView() == 0) return;
    helpsView_ = TAVOHelpsView::helpViewWithTag(tagForHelpView());
    if (helpsView_) helpsView_->setDelegate(self<TAVOSafeSubViewController>());
}

void TAVOSafeSubViewController::rightNavItemPressed() {
    if (!helpsView_) return;
    auto popup = TAVOPopupViewController::popupViewControllerWithChildView(helpsView_);
    popup->setParentView(view());
    UIViewControllerPUPopupViewController::presentPopupViewController(self<TAVOSafeSubViewController>(), popup, 0);
}

void TAVOSafeSubViewController::dismissHelpsView(TAVOHelpsView&) {
    UIViewControllerPUPopupViewController::dismissPopupViewControllerWithanimationType(self<TAVOSafeSubViewController>(), 0);
}

void TAVOSafeSubViewController::clickEnableButton() {
    if (switcherStatus_ == StatusOn) {
        userDidChangeSwitcher(false);
        setSwitcherStatus(StatusTurningOff, true);
    } else if (switcherStatus_ == StatusOff) {
        userDidChangeSwitcher(true);
        setSwitcherStatus(StatusTurningOn, true);
    } else {
        return;
    }
    buttonEnable_->setUserInteractionEnabled(false);
}

void TAVOSafeSubViewController::requestOK() { animateSteps(isSwitcherON() ? StepOn : StepOff, 0); }

void TAVOSafeSubViewController::requestNG() {
    setSwitcherStatus(switcherStatus_ == StatusTurningOn ? StatusOff : StatusOn, true);
    buttonEnable_->setUserInteractionEnabled(true);
}

void TAVOSafeSubViewController::animateSteps(int kind, long index) {
    const long count = static_cast<long>(securityItems.size());
    if (index < count) {
        if (auto cell = std::dynamic_pointer_cast<TAVOSettingSelectCell>(tableView_->cellForRowAtIndexPath({0, index}))) {
            auto label = cell->statusLabel();
            const int shown = kind == StepOn ? StatusOn : StatusOff;
            ui::ViewAnimation::transition(label, kTransitionSeconds, ui::ViewAnimationOptionTransitionCrossDissolve, [label, shown] {
                label->setText(statusTextForStatus(shown));
                label->setTextColor(statusColorForStatus(shown));
            });
        }
    }
    if (index + 1 < count) {
        stepTimer_.start(kStepInterval, false, [this, kind, index] { animateSteps(kind, index + 1); });
        return;
    }
    setSwitcherStatus(kind == StepOff ? StatusOff : StatusOn, true);
    buttonEnable_->setUserInteractionEnabled(true);
}

void TAVOSafeSubViewController::startFlashingUsingMaskImage(const std::string& maskName) {
    auto mask = ui::Image::imageNamed(maskName);
    if (!flashImageView_->image()) flashImageView_->setImage(mask);
    UIViewLights::animateLights(flashImageView_, mask);
}

std::string TAVOSafeSubViewController::statusTextForStatus(int status) {
    return TAVOLocalizedString(status == StatusOn || status == StatusTurningOn ? "protection ON" : "protection OFF");
}

ui::Color TAVOSafeSubViewController::statusColorForStatus(int status) {
    return status == StatusOn || status == StatusTurningOn ? TAVOSafetyStyle::safeGreen() : TAVOSafetyStyle::warningRed();
}

ns::AttributedStringPtr TAVOSafeSubViewController::headlineForStatus(int status) const {
    std::string first, second;
    ui::Font firstFont = ui::Font::boldSystemFontOfSize(17), secondFont = ui::Font::systemFontOfSize(16);
    switch (status) {
    case StatusOn:
        first = titleOn;
        firstFont = titleFontOn();
        second = blockCount > 0 ? ns::format(subtitleBlockCountFormat, blockCount) : subtitleOn;
        secondFont = subtitleFontOn();
        break;
    case StatusOff:
        first = titleOff;
        second = subtitleOff;
        break;
    case StatusTurningOn: first = titleTurningOn; break;
    case StatusTurningOff: first = titleTurningOff; break;
    default: return ns::AttributedString::create("");
    }
    auto text = line(first, firstFont);
    if (status == StatusOn || status == StatusOff) {
        text->appendAttributedString(*line("\r\n", ui::Font::systemFontOfSize(kJoinFontSize)));
        auto lower = line(second, secondFont);
        TAVOSafetyStyle::colourFirstNumber(*lower, TAVOSafetyStyle::highlightYellow());
        text->appendAttributedString(*lower);
    }
    return text;
}

void TAVOSafeSubViewController::applyButton(int status) {
    const bool dark = status == StatusOn || status == StatusTurningOff;
    std::optional<std::string> title;
    if (status == StatusOn) title = buttonTitleTurnOff;
    else if (status == StatusOff) title = buttonTitleTurnOn;
    else if (status == StatusTurningOn) title = TAVOLocalizedString("turning on...");
    else if (status == StatusTurningOff) title = TAVOLocalizedString("turning off...");
    const bool known = status >= StatusOn && status <= StatusTurningOff;
    auto stretched = [](const char* name) {
        auto image = ui::Image::imageNamed(name);
        return image ? image->stretchableImageWithLeftCapWidth(static_cast<long>(kButtonCap), static_cast<long>(kButtonCap)) : nullptr;
    };
    buttonEnable_->setTitle(title, ui::ControlStateNormal);
    buttonEnable_->setTitleColor(known ? ui::OptionalColor(dark ? kDarkButtonTitle : ui::Color::whiteColor()) : std::nullopt,
                                 ui::ControlStateNormal);
    buttonEnable_->setBackgroundImage(known ? stretched(dark ? "public_btn02" : "public_btn01") : nullptr, ui::ControlStateNormal);
    buttonEnable_->setBackgroundImage(known ? stretched(dark ? "public_btn02_pre" : "public_btn01_pre") : nullptr,
                                      ui::ControlStateHighlighted);
}

void TAVOSafeSubViewController::setSwitcherStatus(int status, bool animated) {
    switcherStatus_ = status;
    auto headline = headlineForStatus(status);
    auto apply = [this, status, headline] {
        applyButton(status);
        titleLabel_->setAttributedText(headline);
    };
    if (animated) {
        auto button = buttonEnable_;
        auto label = titleLabel_;
        ui::ViewAnimation::transition(button, kTransitionSeconds, ui::ViewAnimationOptionTransitionCrossDissolve,
                                      [this, status] { applyButton(status); });
        ui::ViewAnimation::transition(label, kTransitionSeconds, ui::ViewAnimationOptionTransitionCrossDissolve,
                                      [label, headline] { label->setAttributedText(headline); });
    } else {
        apply();
    }
    if (status == StatusOn) TAVOSafetyStyle::paint(*gradientView_, TAVOSafetyStyle::safeGradient(), animated);
    else if (status == StatusOff) TAVOSafetyStyle::paint(*gradientView_, TAVOSafetyStyle::warningGradient(), animated);
}

ui::TableViewCellPtr TAVOSafeSubViewController::cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) {
    auto cell = std::dynamic_pointer_cast<TAVOSettingSelectCell>(table.dequeueReusableCellWithIdentifier(kCellIdentifier));
    if (!cell) {
        cell = TAVOSettingSelectCell::create(ui::TableViewCellStyle::Default, kCellIdentifier);
        cell->setBackgroundColor(ui::Color::whiteColor());
        cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
        cell->iconImage()->setContentMode(ui::ContentMode::ScaleAspectFit);
        cell->iconImage()->setFrame(cg::RectMake(0, 0, kIconSide, kIconSide));
        cell->setManualLayout(true);
        cell->arrowView()->setImage(nullptr);
        cell->arrowView()->setHidden(true);
        cell->statusLabel()->setTextAlignment(ui::TextAlignment::Right);
    }
    const auto row = static_cast<std::size_t>(indexPath.row);
    if (row >= securityItems.size()) return cell;
    const auto& item = securityItems[row];
    cell->iconImage()->setImage(ui::Image::imageNamed(ns::format(item.image, static_cast<int>(row + 1))));
    cell->settingTitle()->setText(item.title);
    cell->statusLabel()->setText(statusTextForStatus(switcherStatus_));
    cell->statusLabel()->setTextColor(statusColorForStatus(switcherStatus_));
    showTopSeparatorLine(cell, true, indexPath);
    showBottomSeperatorLine(cell, row + 1 == securityItems.size());
    return cell;
}
