#include "uikit/PullUpView.h"

#include <algorithm>

#include "platform/ui/ViewAnimation.h"

namespace {

constexpr double kStatusWidth = 100;
constexpr double kStatusHeight = 30;
constexpr double kStatusDrop = 10;
const ui::Color kTextColor = ui::Color::white(0.6);

const std::string kTextPulling = "上拉加载更多";
const std::string kTextReady = "释放立即刷新";
const std::string kTextLoading = "加载中...";

}  // namespace

void PullUpView::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
    circleIndicatorView_ = CircleIndicatorView::create();
    addSubview(circleIndicatorView_);
    statusLB_ = ui::Label::create();
    statusLB_->setBackgroundColor(ui::Color::clearColor());
    statusLB_->setFont(ui::Font::systemFontOfSize(14));
    statusLB_->setTextColor(kTextColor);
    statusLB_->setTextAlignment(ui::TextAlignment::Center);
    addSubview(statusLB_);
    setState(PullRefreshState::Pulling);
}

void PullUpView::setLoadingTarget(const std::shared_ptr<ns::Object>& target, Action action) {
    loadingTarget_ = target;
    loadingAction_ = std::move(action);
}

void PullUpView::willMoveToSuperview(const ui::ViewPtr& superview) {
    offsetObservation_.reset();
    sizeObservation_.reset();
    auto scrollView = std::dynamic_pointer_cast<ui::ScrollView>(superview);
    scrollView_ = scrollView;
    if (!scrollView) return;
    auto weak = weakSelf<PullUpView>();
    offsetObservation_ = scrollView->observeContentOffset([weak](cg::Point, cg::Point offset) {
        if (auto me = weak.lock()) me->contentOffsetChanged(offset);
    });
    sizeObservation_ = scrollView->observeContentSize([weak](cg::Size, cg::Size) {
        if (auto me = weak.lock()) me->adjustContentSize();
    });
    orignalContentInset_ = scrollView->contentInset();
    adjustContentSize();
}

void PullUpView::adjustContentSize() {
    auto scrollView = scrollView_.lock();
    if (!scrollView) return;
    const cg::EdgeInsets inset = scrollView->contentInset();
    const double visibleBottom = scrollView->bounds().size.height - inset.top - inset.bottom;
    setFrame(cg::RectMake(0, std::max(scrollView->contentSize().height, visibleBottom),
                          scrollView->bounds().size.width, kHeight));
}

void PullUpView::layoutSubviews() {
    const cg::Size size = bounds().size;
    const cg::Rect status = cg::RectMake((size.width - kStatusWidth) / 2, (size.height - kStatusHeight) / 2 + kStatusDrop,
                                         kStatusWidth, kStatusHeight);
    statusLB_->setFrame(status);
    circleIndicatorView_->setFrame(
        cg::RectMake(status.origin.x - kStatusHeight, status.origin.y, kStatusHeight, kStatusHeight));
}

double PullUpView::beyond() const {
    auto scrollView = scrollView_.lock();
    if (!scrollView) return 0;
    const cg::EdgeInsets inset = scrollView->contentInset();
    return scrollView->contentSize().height - (scrollView->bounds().size.height - inset.bottom - inset.top);
}

void PullUpView::contentOffsetChanged(const cg::Point& offset) {
    auto scrollView = scrollView_.lock();
    if (!scrollView || state_ == PullRefreshState::Refreshing) return;
    // Let go while ready: whatever the offset springs back to, the loading
    // starts.
    if (!scrollView->isDragging()) {
        if (state_ == PullRefreshState::Ready) setState(PullRefreshState::Refreshing);
        return;
    }
    const double y = offset.y;
    const double base = std::max(beyond(), 0.0) - scrollView->contentInset().top;
    const double threshold = base + kHeight;
    if (y <= base) return;
    const auto percent = static_cast<unsigned>(std::clamp((y - base) / kHeight * 100, 0.0, 100.0));
    if (state_ == PullRefreshState::Pulling && y <= threshold) {
        circleIndicatorView_->setPercent(percent);
    } else if (state_ == PullRefreshState::Pulling) {
        setState(PullRefreshState::Ready);
    } else if (state_ == PullRefreshState::Ready && y <= threshold) {
        circleIndicatorView_->setPercent(percent);
        setState(PullRefreshState::Pulling);
    }
}

void PullUpView::setState(PullRefreshState state) {
    const PullRefreshState previous = state_;
    state_ = state;
    auto scrollView = scrollView_.lock();
    switch (state) {
        case PullRefreshState::Ready: statusLB_->setText(kTextReady); break;
        case PullRefreshState::Refreshing: {
            statusLB_->setText(kTextLoading);
            circleIndicatorView_->startLoading();
            if (!scrollView) break;
            const double gap = beyond();
            ui::ViewAnimation::animate(kInsetAnimationDuration, 0, ui::ViewAnimationOptionCurveLinear, [&] {
                cg::EdgeInsets inset = scrollView->contentInset();
                inset.bottom = kHeight + orignalContentInset_.bottom + (gap < 0 ? -gap : 0);
                scrollView->setContentInset(inset);
                // The content rests above the open footer.
                const cg::Point offset = scrollView->contentOffset();
                const double bottom = scrollView->maximumContentOffset().y;
                if (offset.y < bottom) scrollView->setContentOffset(cg::PointMake(offset.x, bottom));
            }, [weak = weakSelf<PullUpView>()](bool) {
                auto me = weak.lock();
                if (!me || !me->loadingAction_) return;
                if (auto target = me->loadingTarget_.lock()) me->loadingAction_(*me);
            });
            break;
        }
        case PullRefreshState::Pulling:
            if (previous != PullRefreshState::Refreshing || !scrollView) {
                statusLB_->setText(kTextPulling);
                break;
            }
            ui::ViewAnimation::animate(kInsetAnimationDuration, 0, ui::ViewAnimationOptionCurveLinear, [&] {
                scrollView->setContentInset(orignalContentInset_);
                const cg::Point offset = scrollView->contentOffset();
                const double bottom = scrollView->maximumContentOffset().y;
                if (offset.y > bottom) scrollView->setContentOffset(cg::PointMake(offset.x, bottom));
            }, [weak = weakSelf<PullUpView>()](bool) {
                if (auto me = weak.lock()) me->statusLB_->setText(kTextPulling);
            });
            break;
    }
}

void PullUpView::endLoading() {
    circleIndicatorView_->stopLoading();
    endTimer_.start(kInsetAnimationDuration, false, [this] { setState(PullRefreshState::Pulling); });
}
