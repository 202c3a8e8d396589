#include "screens/home/TAVORouterBreakdownView.h"

#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/ControlFactory.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "core/errors/TAVORouterErrorUtility.h"
#include "platform/ui/Image.h"

namespace {

constexpr const char* kButtonImage = "home_btn";
constexpr const char* kButtonPressedImage = "home_btn_pre";
constexpr long kButtonCap = 5;
constexpr double kButtonWidth = 200;
constexpr double kButtonHeight = 30;
constexpr double kButtonBottom = 40;
constexpr double kIndicatorWidthTall = 177;
constexpr double kIndicatorHeightTall = 195;
constexpr double kIndicatorWidthShort = 161;
constexpr double kIndicatorHeightShort = 175;
constexpr double kIconWidth = 67;
constexpr double kIconHeight = 49;
constexpr double kTitleHeight = 40;
constexpr double kDetailHeight = 30;
// The lost-connection panel's centre lies this far below the indicator's.
constexpr double kLostPanelDrop = 43;
constexpr int kLostConnectionCodes[] = {100004, 100006};

ui::ImagePtr stretchable(const char* name) {
    auto image = ui::Image::imageNamed(name);
    return image ? image->stretchableImageWithLeftCapWidth(kButtonCap, kButtonCap) : nullptr;
}

bool isLostConnection(int code) {
    for (int lost : kLostConnectionCodes)
        if (code == lost) return true;
    return false;
}

}  // namespace

void TAVORouterBreakdownView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());

    indicator_ = TAVOCircleStyleIndicator::create();
    indicator_->bgIconInCircle()->setImage(nullptr);
    indicator_->titleLabel()->setHidden(true);

    recoveryBtn_ = ControlFactory::createButton("", stretchable(kButtonPressedImage), stretchable(kButtonImage));
    recoveryBtn_->setBackgroundColor(ui::Color::clearColor());
    recoveryBtn_->setHidden(true);
    recoveryBtn_->addTarget(self<TAVORouterBreakdownView>(), &TAVORouterBreakdownView::recoveryRouter,
                            "recoveryRouter:", ui::ControlEventTouchUpInside);

    lostView_ = LostConnectionView::create();
    lostView_->reconnectBtn()->addTarget(self<TAVORouterBreakdownView>(), &TAVORouterBreakdownView::reconnectRouter,
                                         "reconnectRouter:", ui::ControlEventTouchUpInside);

    addSubview(indicator_);
    addSubview(recoveryBtn_);
    addSubview(lostView_);
}

void TAVORouterBreakdownView::setErrorCode(int code) {
    errorCode_ = code;
    if (isRecoverying_) return;
    if (TAVORouterErrorUtility::isBreakdownError(code)) {
        indicator_->setHidden(false);
        lostView_->setHidden(true);
        indicator_->iconInCircle()->setImage(TAVORouterErrorUtility::imageForBreakdownError(code));
        indicator_->detailLabel()->setText(TAVORouterErrorUtility::textDescForBreakdownError(code));
        const auto operation = TAVORouterErrorUtility::operationDescForBreakdownError(code);
        const bool hasOperation = operation && !operation->empty();
        recoveryBtn_->setHidden(!hasOperation);
        if (hasOperation) recoveryBtn_->setTitle(*operation, ui::ControlStateNormal);
    } else {
        indicator_->setHidden(true);
        recoveryBtn_->setHidden(true);
        lostView_->setHidden(false);
        lostView_->reconnectBtn()->setHidden(!isLostConnection(errorCode_));
        lostView_->descriptLabel()->setText(TAVORouterErrorUtility::textDescForBreakdownError(code));
    }
    setNeedsLayout();
}

void TAVORouterBreakdownView::recoveryRouter() {
    auto d = delegate();
    if (!d) return;
    if (TAVORouterErrorUtility::isRecoveryBreakdownError(errorCode_)) {
        recoveryBtn_->setHidden(true);
        indicator_->detailLabel()->setText(TAVOLocalizedString("it is recoverying"));
        isRecoverying_ = true;
    }
    d->breakdownView(*this, kActionRecovery);
}

void TAVORouterBreakdownView::reconnectRouter() {
    if (auto d = delegate()) d->breakdownView(*this, kActionReconnect);
}

void TAVORouterBreakdownView::recoveryResult(bool success) {
    if (!isRecoverying_) return;
    isRecoverying_ = false;
    if (success) {
        indicator_->detailLabel()->setText(TAVOLocalizedString("ok to recovery"));
        return;
    }
    indicator_->detailLabel()->setText(TAVOLocalizedString("fail to recovery"));
    reshow_.start(kFailureShowSeconds, false, [this] { setErrorCode(errorCode_); });
}

void TAVORouterBreakdownView::layoutSubviews() {
    View::layoutSubviews();
    const cg::Rect b = bounds();
    if (!recoveryBtn_->isHidden())
        recoveryBtn_->setFrame(cg::RectMake(std::ceil((b.size.width - kButtonWidth) / 2),
                                            b.size.height - kButtonBottom, kButtonWidth, kButtonHeight));
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

    lostView_->setFrame(indicator_->frame());
    lostView_->setCenter({indicator_->center().x, indicator_->center().y + kLostPanelDrop});
}
