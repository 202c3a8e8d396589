// The pull-to-refresh header: it sits just above a scroll view's content,
// fills its ring as the user pulls down, asks the user to let go once
// pulled 64 points past the resting position, and on release stays open
// (the content 64 points lower) and calls its target until the owner ends
// the refresh. It then shows when the last refresh finished ("timeKey" in
// the user defaults, one date for every header).
//
// It holds its scroll view without owning it and watches the scroll view's
// offset only while it is a subview of it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/View.h"
#include "uikit/CircleIndicatorView.h"
#include "uikit/PullRefreshState.h"

class PullDownView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<PullDownView> create() { return make<PullDownView>(); }
    static constexpr double kHeight = 64;
    static constexpr double kInsetAnimationDuration = 0.3;
    static constexpr const char* kTimeKey = "timeKey";

    using Action = std::function<void(PullDownView&)>;
    // The target is held weakly: once it is gone the action is not called.
    void setRefreshTarget(const std::shared_ptr<ns::Object>& target, Action action);

    PullRefreshState state() const { return state_; }
    void setState(PullRefreshState state);
    // The owner's work is done: the header closes 0.3 s later and records
    // the time.
    void endRefreshing();
    // Shows the last refresh time, when there is one.
    void updateTime();

    ui::ScrollViewPtr scrollView() const { return scrollView_.lock(); }
    const cg::EdgeInsets& originalContentInset() const { return originalContentInset_; }
    const CircleIndicatorViewPtr& circleIndicatorView() const { return circleIndicatorView_; }
    const ui::LabelPtr& statusLB() const { return statusLB_; }
    const ui::LabelPtr& dateLB() const { return dateLB_; }

    void initWithFrame(const cg::Rect& frame) override;
    void willMoveToSuperview(const ui::ViewPtr& superview) override;
    void layoutSubviews() override;

private:
    void contentOffsetChanged(const cg::Point& offset);

    CircleIndicatorViewPtr circleIndicatorView_;
    ui::LabelPtr statusLB_;
    ui::LabelPtr dateLB_;
    std::weak_ptr<ui::ScrollView> scrollView_;
    cg::EdgeInsets originalContentInset_;
    std::weak_ptr<ns::Object> refreshTarget_;
    Action refreshAction_;
    PullRefreshState state_ = PullRefreshState::Pulling;
    std::shared_ptr<void> offsetObservation_;
    ns::ScopedTimer endTimer_;
};

using PullDownViewPtr = std::shared_ptr<PullDownView>;
