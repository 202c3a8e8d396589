#include "uikit/PullDownView.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/Calendar.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr double kStatusWidth = 70;
constexpr double kStatusHeight = 30;
constexpr double kStatusLift = 10;
constexpr double kIndicatorGap = 3;
constexpr double kDateHeight = 15;
const ui::Color kTextColor = ui::Color::white(0.6);

const std::string kTextPulling = "下拉刷新";
const std::string kTextReady = "松手更新";
const std::string kTextRefreshing = "更新中...";
const std::string kTextDone = "更新完成";
const std::string kLastUpdate = "最后更新：";

ui::LabelPtr makeLabel(double fontSize) {
    auto label = ui::Label::create();
    label->setFont(ui::Font::systemFontOfSize(fontSize));
    label->setTextColor(kTextColor);
    label->setTextAlignment(ui::TextAlignment::Center);
    label->setBackgroundColor(ui::Color::clearColor());
    return label;
}

}  // namespace

void PullDownView::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
    circleIndicatorView_ = CircleIndicatorView::create();
    addSubview(circleIndicatorView_);
    statusLB_ = makeLabel(14);
    addSubview(statusLB_);
    dateLB_ = makeLabel(12);
    addSubview(dateLB_);
    updateTime();
    setState(PullRefreshState::Pulling);
}

void PullDownView::setRefreshTarget(const std::shared_ptr<ns::Object>& target, Action action) {
    refreshTarget_ = target;
    refreshAction_ = std::move(action);
}

void PullDownView::willMoveToSuperview(const ui::ViewPtr& superview) {
    offsetObservation_.reset();
    auto scrollView = std::dynamic_pointer_cast<ui::ScrollView>(superview);
    scrollView_ = scrollView;
    if (!scrollView) return;
    originalContentInset_ = scrollView->contentInset();
    offsetObservation_ = scrollView->observeContentOffset(
        [weak = weakSelf<PullDownView>()](cg::Point, cg::Point offset) {
            if (auto me = weak.lock()) me->contentOffsetChanged(offset);
        });
    setFrame(cg::RectMake(0, -kHeight, scrollView->bounds().size.width, kHeight));
}

void PullDownView::layoutSubviews() {
    const cg::Size size = bounds().size;
    const cg::Rect status = cg::RectMake((size.width - kStatusWidth) / 2, (size.height - kStatusHeight) / 2 - kStatusLift,
                                         kStatusWidth, kStatusHeight);
    statusLB_->setFrame(status);
    circleIndicatorView_->setFrame(
        cg::RectMake(status.origin.x - kStatusHeight, status.origin.y, kStatusHeight, kStatusHeight));
    dateLB_->setFrame(cg::RectMake(0, cg::RectGetMaxY(circleIndicatorView_->frame()) + kIndicatorGap, size.width,
                                   kDateHeight));
}

void PullDownView::contentOffsetChanged(const cg::Point& offset) {
    auto scrollView = scrollView_.lock();
    if (!scrollView || state_ == PullRefreshState::Refreshing) return;
    // Let go while ready: whatever the offset springs back to, the refresh
    // starts.
    if (!scrollView->isDragging()) {
        if (state_ == PullRefreshState::Ready) setState(PullRefreshState::Refreshing);
        return;
    }
    const double y = offset.y;
    const double top = -originalContentInset_.top;
    const double threshold = top - kHeight;
    if (y >= top) return;
    // How far past the resting position, as a share of the 64 points.
    const auto percent = static_cast<unsigned>(std::clamp((top - y) / kHeight * 100, 0.0, 100.0));
    if (state_ == PullRefreshState::Pulling && y >= threshold) {
        circleIndicatorView_->setPercent(percent);
    } else if (state_ == PullRefreshState::Pulling) {
        setState(PullRefreshState::Ready);
    } else if (state_ == PullRefreshState::Ready && y >= threshold) {
        circleIndicatorView_->setPercent(percent);
        setState(PullRefreshState::Pulling);
    }
}

void PullDownView::setState(PullRefreshState state) {
    const PullRefreshState previous = state_;
    state_ = state;
    auto scrollView = scrollView_.lock();
    switch (state) {
        case PullRefreshState::Ready: statusLB_->setText(kTextReady); break;
        case PullRefreshState::Refreshing: {
            statusLB_->setText(kTextRefreshing);
            circleIndicatorView_->startLoading();
            if (!scrollView) break;
            ui::ViewAnimation::animate(kInsetAnimationDuration, 0, ui::ViewAnimationOptionCurveLinear, [&] {
                cg::EdgeInsets inset = scrollView->contentInset();
                inset.top = originalContentInset_.top + kHeight;
                scrollView->setContentInset(inset);
                // The content rests below the open header.
                const cg::Point offset = scrollView->contentOffset();
                if (offset.y > -inset.top) scrollView->setContentOffset(cg::PointMake(offset.x, -inset.top));
            }, [weak = weakSelf<PullDownView>()](bool) {
                auto me = weak.lock();
                if (!me || !me->refreshAction_) return;
                if (auto target = me->refreshTarget_.lock()) me->refreshAction_(*me);
            });
            break;
        }
        case PullRefreshState::Pulling:
            if (previous != PullRefreshState::Refreshing || !scrollView) {
                statusLB_->setText(kTextPulling);
                break;
            }
            ui::ViewAnimation::animate(kInsetAnimationDuration, 0, ui::ViewAnimationOptionCurveLinear, [&] {
                scrollView->setContentInset(originalContentInset_);
                const cg::Point offset = scrollView->contentOffset();
                if (offset.y < -originalContentInset_.top)
                    scrollView->setContentOffset(cg::PointMake(offset.x, -originalContentInset_.top));
            }, [weak = weakSelf<PullDownView>()](bool) {
                auto me = weak.lock();
                if (!me) return;
                me->statusLB_->setText(kTextPulling);
                auto defaults = ns::UserDefaults::standardUserDefaults();
                defaults->setObject(ns::Value(ns::Date::now()), kTimeKey);
                defaults->synchronize();
                me->updateTime();
            });
            break;
    }
}

void PullDownView::endRefreshing() {
    statusLB_->setText(kTextDone);
    circleIndicatorView_->stopLoading();
    endTimer_.start(kInsetAnimationDuration, false, [this] { setState(PullRefreshState::Pulling); });
}

void PullDownView::updateTime() {
    const ns::Value stored = ns::UserDefaults::standardUserDefaults()->objectForKey(kTimeKey);
    if (!stored.isDate()) return;
    const ns::Date date = stored.asDate();
    const ns::Date now = ns::Date::now();
    const auto calendar = ns::Calendar::currentCalendar();
    std::string format = "yyyy-MM-dd HH:mm";
    if (calendar.isDate(date, now))
        format = "今天 HH:mm";
    else if (calendar.component(ns::kCalendarUnitYear, date) == calendar.component(ns::kCalendarUnitYear, now))
        format = "MM-dd HH:mm";
    auto formatter = ns::DateFormatter::create();
    formatter->setDateFormat(format);
    dateLB_->setText(kLastUpdate + formatter->stringFromDate(date));
}
