#include "screens/home/TAVORouterStatusView.h"

#include <algorithm>

#include "core/app/TAVOImageGetter.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr double kSpeedHeightTall = 50;
constexpr double kSpeedHeightShort = 44;
constexpr double kMiddleTopTall = 101;
constexpr double kMiddleTopShort = 79;
constexpr double kIndicatorTopTall = 114;
constexpr double kIndicatorTopShort = 89;
constexpr int kFullSignalLevel = 1;
constexpr int kPoorLevel = 3;
constexpr int kVeryPoorLevel = 4;
// A router that lost its connection keeps its panel through a reset.
constexpr int kLostConnectionCodes[] = {100004, 100006};

bool tall() { return TAVOCommonUtility::is4InchScreen(); }
double speedHeight() { return tall() ? kSpeedHeightTall : kSpeedHeightShort; }

}  // namespace

std::optional<std::pair<ui::Color, ui::Color>> TAVORouterStatusView::gradientColorsForLevel(int level) {
    switch (level) {
        case 1:
        case 2: return std::pair{ui::Color::rgb255(132, 209, 126), ui::Color::rgb255(10, 167, 75)};
        case 3: return std::pair{ui::Color::rgb255(246, 211, 89), ui::Color::rgb255(238, 171, 0)};
        case 4: return std::pair{ui::Color::rgb255(244, 192, 95), ui::Color::rgb255(234, 133, 13)};
        case kBreakdownColorLevel: return std::pair{ui::Color::rgb255(244, 166, 129), ui::Color::rgb255(233, 81, 80)};
        default: return std::nullopt;
    }
}

std::optional<std::string> TAVORouterStatusView::channelIssueTitle(const ChannelLevelInfo& level) {
    const bool poor24 = level.levelFor24 >= kPoorLevel;
    const bool poor5 = level.levelFor50 >= kPoorLevel;
    if (poor24 && poor5) return "2.4 + 5G";
    if (poor24) return "2.4G";
    if (poor5) return "5G";
    return std::nullopt;
}

std::optional<std::string> TAVORouterStatusView::channelIssueDetail(const ChannelLevelInfo& level) {
    switch (level.worseLevel()) {
        case kPoorLevel: return TAVOLocalizedString("bad channel singal");
        case kVeryPoorLevel: return TAVOLocalizedString("extrem bad channel signal");
        default: return std::nullopt;
    }
}

cg::Rect TAVORouterStatusView::middleFrame() const {
    const double top = tall() ? kMiddleTopTall : kMiddleTopShort;
    const cg::Rect b = bounds();
    return cg::RectMake(0, top, b.size.width, b.size.height - top - speedHeight());
}

cg::Rect TAVORouterStatusView::indicatorFrame() const {
    const double top = tall() ? kIndicatorTopTall : kIndicatorTopShort;
    const cg::Rect b = bounds();
    return cg::RectMake(0, top, b.size.width, b.size.height - top - speedHeight());
}

void TAVORouterStatusView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    const cg::Rect b = bounds();
    bgView_ = TAVOGradientView::create(b);
    const auto green = *gradientColorsForLevel(kFullSignalLevel);
    bgView_->changeTopLeftColor(green.first, green.second, false);
    addSubview(bgView_);

    const double strip = speedHeight();
    speedIndicator_ = TAVOSpeedIndicator::create(cg::RectMake(0, b.size.height - strip, b.size.width, strip));
    std::weak_ptr<TAVORouterStatusView> weak = weakSelf<TAVORouterStatusView>();
    const auto me = self<TAVORouterStatusView>();
    speedIndicator_->avgSpeedBtn()->addTarget(
        me, "avgSpeedBtnIsClick:",
        [weak](ui::Control&) {
            if (auto self = weak.lock()) self->notify(ActionAverageSpeed);
        },
        ui::ControlEventTouchUpInside);
    speedIndicator_->topSpeedBtn()->addTarget(
        me, "topSpeedBtnIsClick:",
        [weak](ui::Control&) {
            if (auto self = weak.lock()) self->notify(ActionTopSpeed);
        },
        ui::ControlEventTouchUpInside);
    addSubview(speedIndicator_);

    breakdownView_ = TAVORouterBreakdownView::create(middleFrame());
    breakdownView_->setDelegate(std::static_pointer_cast<TAVORouterBreakdownViewDelegate>(me));
    breakdownView_->setAlpha(0);
    addSubview(breakdownView_);

    setChannelState(ChannelStateNone);
    setBreakdownState(0);
}

// --- records ---

void TAVORouterStatusView::setChannelSignalLevel(const ChannelLevelInfo& level, bool notBlock) {
    if (!notBlock && blockDataFlow(level)) return;
    if (!level.isValidLevelInfo()) return;
    if (!notBlock && currentLevel_.isEqual(level)) return;
    currentLevel_ = level;
    colorForCurrentLevel();
    setChannelState(level.worseLevel() < kPoorLevel ? ChannelStateGood : ChannelStatePoor);
}

bool TAVORouterStatusView::blockDataFlow(const ChannelLevelInfo& level) {
    switch (channelState_) {
        case ChannelStateNone:
        case ChannelStateDetecting:
        case ChannelStateOptimising:
        case ChannelStateOptimised:
        case ChannelStatePromotion:
            comingLevel_ = level;
            return true;
        case ChannelStateWaiting:
            comingLevel_ = level;
            setChannelState(ChannelStateDetecting);
            return true;
        default:
            return false;
    }
}

void TAVORouterStatusView::restoreDataFlow() {
    const ChannelLevelInfo parked = comingLevel_.value_or(currentLevel_);
    if (parked.isValidLevelInfo()) {
        setChannelSignalLevel(parked, true);
    } else if (channelState_ == ChannelStateDetecting) {
        // The first record had no level on a band: wait for real data
        // again rather than stay in the detection state, where every later
        // record would only be parked.
        setChannelState(ChannelStateWaiting);
    } else {
        // Likewise after a promotion: the last record shown comes back.
        setChannelSignalLevel(currentLevel_, true);
    }
}

// --- colours ---

void TAVORouterStatusView::setChannelStatusColor(int level) {
    if (breakdownState_ != 0) return;
    colorForLevel(level);
}

void TAVORouterStatusView::colorForLevel(int level) {
    if (const auto colors = gradientColorsForLevel(level)) bgView_->changeTopLeftColor(colors->first, colors->second, true);
    speedIndicator_->setLevel(level);
}

// --- the channel-state machine ---

void TAVORouterStatusView::setIndicatorState(int state) {
    if (doubleChannelIndicator_) doubleChannelIndicator_->setState(state);
}

void TAVORouterStatusView::setChannelState(int state) {
    if (state == channelState_) return;
    const int previous = channelState_;
    switch (state) {
        case ChannelStateWaiting:
            makeDoubleChannelIndicator();
            setChannelStatusColor(kFullSignalLevel);
            transferChannelView(channelIssueView_, doubleChannelIndicator_);
            setIndicatorState(TAVORouterDoubleChannelIndicator::StateWaiting);
            break;
        case ChannelStateDetecting:
            setChannelStatusColor(kFullSignalLevel);
            if (doubleChannelIndicator_ && comingLevel_) doubleChannelIndicator_->setCurrentLevel(*comingLevel_);
            setIndicatorState(TAVORouterDoubleChannelIndicator::StateDetecting);
            break;
        case ChannelStateGood:
            colorForCurrentLevel();
            setIndicatorState(TAVORouterDoubleChannelIndicator::StateResults);
            transferChannelView(previous == ChannelStatePoor ? channelIssueView_ : nullptr, doubleChannelIndicator_);
            break;
        case ChannelStatePoor:
            colorForCurrentLevel();
            makeChannelIssueView();
            channelIssueView_->stopOpt();
            channelIssueView_->indicator()->iconInCircle()->setImage(
                TAVOImageGetter::imageForChannelQualityLevel(kFullSignalLevel));
            channelIssueView_->setTitle(channelIssueTitle(currentLevel_).value_or(""));
            channelIssueView_->setDetail(channelIssueDetail(currentLevel_).value_or(""));
            transferChannelView(doubleChannelIndicator_, channelIssueView_);
            setIndicatorState(TAVORouterDoubleChannelIndicator::StateResults);
            break;
        case ChannelStateOptimising:
            colorForCurrentLevel();
            if (channelIssueView_) channelIssueView_->startOpt();
            break;
        case ChannelStateOptimised:
            colorForCurrentLevel();
            if (channelIssueView_) channelIssueView_->showRestart();
            break;
        case ChannelStatePromotion:
            setChannelStatusColor(kFullSignalLevel);
            transferChannelView(restartView_, doubleChannelIndicator_);
            setIndicatorState(TAVORouterDoubleChannelIndicator::StatePromotion);
            break;
        default:
            break;  // 7 and states outside 1..8 are only stored
    }
    channelState_ = state;
}

void TAVORouterStatusView::makeDoubleChannelIndicator() {
    if (doubleChannelIndicator_) return;
    doubleChannelIndicator_ = TAVORouterDoubleChannelIndicator::create(indicatorFrame());
    doubleChannelIndicator_->setDelegate(
        std::static_pointer_cast<TAVORouterDoubleChannelIndicatorDelegate>(self<TAVORouterStatusView>()));
    addSubview(doubleChannelIndicator_);
}

void TAVORouterStatusView::makeChannelIssueView() {
    if (channelIssueView_) return;
    channelIssueView_ = TAVOChannelIssueView::create(middleFrame());
    addSubview(channelIssueView_);
    channelIssueView_->setAlpha(0);
    std::weak_ptr<TAVORouterStatusView> weak = weakSelf<TAVORouterStatusView>();
    channelIssueView_->optButton()->addTarget(
        self<TAVORouterStatusView>(), "optChannel:",
        [weak](ui::Control&) {
            if (auto self = weak.lock()) self->setChannelState(ChannelStateOptimising);
        },
        ui::ControlEventTouchUpInside);
    channelIssueView_->notifierBlock = [weak](int optState) {
        auto self = weak.lock();
        if (!self) return;
        if (optState == TAVOChannelOptView::StateLeaving) self->showRestartView();
        if (optState == TAVOChannelOptView::StateWaiting) self->notify(ActionOptimise);
    };
}

// --- restart and promotion ---

void TAVORouterStatusView::showRestartView() {
    if (!restartView_) {
        restartView_ = TAVOChannelRetartView::create(middleFrame());
        addSubview(restartView_);
    }
    restartView_->setAlpha(1);
    attachMasksToOtherViews(true);
    restartView_->showRestartCountDown();
    std::weak_ptr<TAVORouterStatusView> weak = weakSelf<TAVORouterStatusView>();
    restartView_->notifierBlock = [weak](int restartState) {
        auto self = weak.lock();
        if (self && restartState == TAVOChannelRetartView::StateDone) self->notify(ActionWatchPromotion);
    };
}

void TAVORouterStatusView::attachMasksToOtherViews(bool attach) {
    // An empty mask hides a panel while the count-down shows.
    for (const ui::ViewPtr& view : std::initializer_list<ui::ViewPtr>{channelIssueView_, doubleChannelIndicator_,
                                                                      breakdownView_}) {
        if (!view) continue;
        if (attach) {
            auto mask = ca::Layer::create();
            mask->setFrame(view->layer()->bounds());
            view->layer()->setMask(mask);
        } else {
            view->layer()->setMask(nullptr);
        }
    }
}

void TAVORouterStatusView::setOptPromotion(const std::optional<ns::Dictionary>& promotion) {
    if (restartView_) {
        restartView_->setState(TAVOChannelRetartView::StateHidden);
        restartView_->setAlpha(0);
    }
    attachMasksToOtherViews(false);
    if (promotion) {
        if (doubleChannelIndicator_) doubleChannelIndicator_->setOptResult(*promotion);
        setChannelState(ChannelStatePromotion);
    } else {
        restoreDataFlow();
    }
}

void TAVORouterStatusView::optResult(bool success) {
    setChannelState(success ? ChannelStateOptimised : ChannelStatePoor);
}

// --- panels ---

void TAVORouterStatusView::transferChannelView(const ui::ViewPtr& outgoing, const ui::ViewPtr& coming) {
    if (breakdownState_ != 0) return;
    tranferView(outgoing, coming);
}

void TAVORouterStatusView::tranferView(const ui::ViewPtr&, const ui::ViewPtr& coming) {
    const ui::ViewPtr panels[] = {channelIssueView_, doubleChannelIndicator_, breakdownView_};
    ui::ViewAnimation::animate(kPanelFadeSeconds, [&] {
        for (const auto& panel : panels)
            if (panel && panel != coming) panel->setAlpha(0);
        if (coming) coming->setAlpha(1);
    });
}

// --- breakdown ---

void TAVORouterStatusView::setBreakdownError(int code) {
    if (code == breakdownErr_) return;
    breakdownErr_ = code;
    if (code == 0) {
        setBreakdownState(0);
    } else {
        setBreakdownState(1);
        colorForLevel(kBreakdownColorLevel);
    }
}

void TAVORouterStatusView::setBreakdownState(int state) {
    breakdownState_ = state;
    if (state == 1) {
        breakdownView_->setErrorCode(breakdownErr_);
        // Directly: the breakdown state is already set.
        tranferView(nullptr, breakdownView_);
    } else if (state == 0) {
        breakdownErr_ = 0;
        tranferView(breakdownView_, nullptr);
        updateChannelViewByState(channelState_);
    }
}

void TAVORouterStatusView::updateChannelViewByState(int state) {
    switch (state) {
        case ChannelStateWaiting:
            setChannelStatusColor(kFullSignalLevel);
            transferChannelView(channelIssueView_, doubleChannelIndicator_);
            break;
        case ChannelStateDetecting:
            setChannelStatusColor(kFullSignalLevel);
            break;
        case ChannelStateGood:
            colorForCurrentLevel();
            transferChannelView(nullptr, doubleChannelIndicator_);
            break;
        case ChannelStatePoor:
            colorForCurrentLevel();
            transferChannelView(doubleChannelIndicator_, channelIssueView_);
            break;
        case ChannelStateOptimising:
        case ChannelStateOptimised:
            colorForCurrentLevel();
            break;
        case ChannelStatePromotion:
            setChannelStatusColor(kFullSignalLevel);
            transferChannelView(restartView_, doubleChannelIndicator_);
            break;
        default:
            break;
    }
}

void TAVORouterStatusView::breakdownRecoveryResult(bool success) { breakdownView_->recoveryResult(success); }

void TAVORouterStatusView::resetAllValues() {
    if (channelIssueView_) channelIssueView_->restoreToInit();
    setIndicatorState(TAVORouterDoubleChannelIndicator::StateReset);
    const bool lost = std::find(std::begin(kLostConnectionCodes), std::end(kLostConnectionCodes), breakdownErr_) !=
                      std::end(kLostConnectionCodes);
    if (!lost) setBreakdownState(0);
    setChannelState(ChannelStateWaiting);
}

// --- the indicator's extras ---

void TAVORouterStatusView::setSingalStrengthFor24G(const std::string& text) {
    if (!doubleChannelIndicator_) return;
    const auto& badge = doubleChannelIndicator_->state_signalStrength_24G();
    badge->setHidden(text.empty());
    badge->setTitle(text, ui::ControlStateNormal);
}

void TAVORouterStatusView::setSingalStrengthFor5G(const std::string& text) {
    if (!doubleChannelIndicator_) return;
    const auto& badge = doubleChannelIndicator_->state_signalStrength_5G();
    badge->setHidden(text.empty());
    badge->setTitle(text, ui::ControlStateNormal);
}

void TAVORouterStatusView::setIsLocalManagement(bool local) {
    if (doubleChannelIndicator_) doubleChannelIndicator_->setIsLocalManagement(local);
}

void TAVORouterStatusView::wifi2gClosed() {
    if (doubleChannelIndicator_)
        doubleChannelIndicator_->channel_24G_indicator()->detailLabel()->setText(TAVOLocalizedString("2.4g closed"));
}

void TAVORouterStatusView::wifi5gClosed() {
    if (doubleChannelIndicator_)
        doubleChannelIndicator_->channel_5G_indicator()->detailLabel()->setText(TAVOLocalizedString("5g closed"));
}

// --- delegates ---

void TAVORouterStatusView::doubleChannelIndicator(TAVORouterDoubleChannelIndicator&, int action) {
    switch (action) {
        case TAVORouterDoubleChannelIndicator::kActionHelp24G: notify(ActionHelp24G); break;
        case TAVORouterDoubleChannelIndicator::kActionHelp5G: notify(ActionHelp5G); break;
        case TAVORouterDoubleChannelIndicator::kActionDetectionDone:
        case TAVORouterDoubleChannelIndicator::kActionPromotionDone: restoreDataFlow(); break;
        default: break;
    }
}

void TAVORouterStatusView::breakdownView(TAVORouterBreakdownView&, int action) {
    if (action != TAVORouterBreakdownView::kActionRecovery && action != TAVORouterBreakdownView::kActionReconnect)
        return;
    if (auto d = delegate()) d->statusViewBreakdownRecovery(*this, breakdownErr_);
}

void TAVORouterStatusView::notify(int action) {
    if (auto d = delegate()) d->statusView(*this, action);
}
