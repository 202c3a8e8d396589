#include "screens/home/TAVOChannelIssueView.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/ControlFactory.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/Image.h"
#include "platform/ui/ViewAnimation.h"
#include "screens/home/TAVOTitleText.h"

namespace {

constexpr const char* kButtonImage = "home_btn";
constexpr const char* kButtonPressedImage = "home_btn_pre";
constexpr long kButtonCap = 5;
constexpr double kDetailFontSize = 18;
constexpr double kButtonFontSize = 16;
constexpr double kTitleFontTall = 13;
constexpr double kTitleFontShort = 12;
constexpr double kFigureFontTall = 27;
constexpr double kFigureFontShort = 23;
constexpr double kPlusFontTall = 16;
constexpr double kPlusFontShort = 14;
constexpr double kIndicatorWidthTall = 177;
constexpr double kIndicatorHeightTall = 195;
constexpr double kIndicatorWidthShort = 161;
constexpr double kIndicatorHeightShort = 175;
constexpr double kIconWidth = 67;
constexpr double kIconHeight = 49;
constexpr double kTitleHeight = 40;
constexpr double kDetailHeight = 30;
constexpr double kButtonX = 53;
constexpr double kButtonHeightTall = 36;
constexpr double kButtonHeightShort = 28;
constexpr double kButtonBottomTall = 25;
constexpr double kButtonBottomShort = 5;

ui::ImagePtr stretchable(const char* name) {
    auto image = ui::Image::imageNamed(name);
    return image ? image->stretchableImageWithLeftCapWidth(kButtonCap, kButtonCap) : nullptr;
}

// The status line for an optimisation state; none for states that leave it.
std::optional<std::string> statusTextForState(int state) {
    switch (state) {
        case TAVOChannelOptView::StatePreparing: return TAVOLocalizedString("prepare to start opt");
        case TAVOChannelOptView::StateSpinning:
        case TAVOChannelOptView::StateWaiting: return TAVOLocalizedString("is in opting");
        case TAVOChannelOptView::StateComplete: return TAVOLocalizedString("opt complete");
        case TAVOChannelOptView::StateLeaving: return std::string();
        default: return std::nullopt;
    }
}

}  // namespace

void TAVOChannelIssueView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    indicator_ = TAVOCircleStyleIndicator::create();
    indicator_->detailLabel()->setFont(ui::Font::boldSystemFontOfSize(kDetailFontSize));
    addSubview(indicator_);

    optView_ = TAVOChannelOptView::create();
    optView_->setAlpha(0);
    optView_->setDelegate(std::static_pointer_cast<TAVOChannelOptViewDelegate>(self<TAVOChannelIssueView>()));
    addSubview(optView_);

    optButton_ = ControlFactory::createButton(TAVOLocalizedString("opt channel signal"),
                                              ui::Font::systemFontOfSize(kButtonFontSize), ui::Color::whiteColor());
    optButton_->setBackgroundImage(stretchable(kButtonImage), ui::ControlStateNormal);
    optButton_->setBackgroundImage(stretchable(kButtonPressedImage), ui::ControlStateHighlighted);
    addSubview(optButton_);

    optActionText_ = ControlFactory::createLabel("", ui::Color::whiteColor(), ui::Font::systemFontOfSize(kButtonFontSize),
                                                 std::nullopt, ui::TextAlignment::Center);
    optActionText_->setAlpha(0);
    optActionText_->setText(TAVOLocalizedString("prepare to start opt"));
    addSubview(optActionText_);
}

void TAVOChannelIssueView::setTitle(const std::string& title) {
    const bool tall = TAVOCommonUtility::is4InchScreen();
    const double figure = tall ? kFigureFontTall : kFigureFontShort;
    auto text = TAVOTitleText(title, tall ? kTitleFontTall : kTitleFontShort);
    TAVOEnlargeFirstMatch(*text, "[0-9.]+", figure);
    // "+ 25": the number after the plus sign and its blank.
    TAVOEnlargeFirstMatch(*text, "[+] [0-9]+", figure, 2);
    TAVOEnlargeFirstMatch(*text, "[+]+", tall ? kPlusFontTall : kPlusFontShort);
    indicator_->titleLabel()->setAttributedText(text);
    indicator_->setNeedsLayout();
}

void TAVOChannelIssueView::setDetail(const std::string& detail) { indicator_->detailLabel()->setText(detail); }

void TAVOChannelIssueView::startOpt() {
    auto indicator = indicator_;
    auto button = optButton_;
    auto opt = optView_;
    auto text = optActionText_;
    ui::ViewAnimation::transition(
        self<ui::View>(), kCrossFadeSeconds, ui::ViewAnimationOptionTransitionCrossDissolve,
        [=] {
            indicator->setAlpha(0);
            button->setAlpha(0);
            opt->setAlpha(1);
            text->setAlpha(1);
            text->setText(TAVOLocalizedString("prepare to start opt"));
        },
        // The burst starts once the panel has faded over.
        [weakOpt = std::weak_ptr<TAVOChannelOptView>(opt)](bool) {
            if (auto opt = weakOpt.lock()) opt->setState(TAVOChannelOptView::StatePreparing);
        });
}

void TAVOChannelIssueView::stopOpt(bool reset) {
    auto indicator = indicator_;
    auto button = optButton_;
    auto opt = optView_;
    auto text = optActionText_;
    ui::ViewAnimation::transition(
        self<ui::View>(), kCrossFadeSeconds, ui::ViewAnimationOptionTransitionCrossDissolve,
        [=] {
            indicator->setAlpha(1);
            button->setAlpha(1);
            opt->setAlpha(0);
            text->setAlpha(0);
        },
        [weakOpt = std::weak_ptr<TAVOChannelOptView>(opt), reset](bool) {
            auto opt = weakOpt.lock();
            if (opt && reset) opt->setState(TAVOChannelOptView::StateIdle);
        });
}

void TAVOChannelIssueView::showRestart() { optView_->setState(TAVOChannelOptView::StateComplete); }

void TAVOChannelIssueView::optView(TAVOChannelOptView&, int state) {
    if (const auto text = statusTextForState(state)) {
        auto label = optActionText_;
        ui::ViewAnimation::transition(label, kCrossFadeSeconds, ui::ViewAnimationOptionTransitionCrossDissolve,
                                      [label, text] { label->setText(*text); });
    }
    if (notifierBlock) notifierBlock(state);
}

void TAVOChannelIssueView::layoutSubviews() {
    View::layoutSubviews();
    const cg::Rect b = bounds();
    const bool tall = TAVOCommonUtility::is4InchScreen();
    const double width = tall ? kIndicatorWidthTall : kIndicatorWidthShort;
    const double height = tall ? kIndicatorHeightTall : kIndicatorHeightShort;
    indicator_->setFrame(cg::RectMake((b.size.width - width) / 2, 0, width, height));
    indicator_->imageBottomView()->setFrame(indicator_->bounds());
    indicator_->imageView()->setFrame(cg::RectMake(0, 0, width, width));
    indicator_->iconInCircle()->setFrame(cg::RectMake(0, 0, kIconWidth, kIconHeight));
    indicator_->titleLabel()->setFrame(cg::RectMake(0, 0, width, kTitleHeight));
    indicator_->detailLabel()->setFrame(cg::RectMake(0, 0, width, kDetailHeight));
    indicator_->setNeedsLayout();
    optView_->setFrame(indicator_->frame());

    const double buttonHeight = tall ? kButtonHeightTall : kButtonHeightShort;
    const double bottom = tall ? kButtonBottomTall : kButtonBottomShort;
    optButton_->setFrame(
        cg::RectMake(kButtonX, b.size.height - bottom - buttonHeight, b.size.width - 2 * kButtonX, buttonHeight));
    optActionText_->setFrame(optButton_->frame());
}
