// The pull-to-load-more footer: it sits right after a scroll view's content
// (or at the bottom of the visible area when the content is shorter), fills
// its ring as the user pulls up, and on release past 64 points stays open
// and calls its target until the owner ends the loading.
//
// It holds its scroll view without owning it and watches the scroll view's
// offset and content size only while it is a subview of it.
#pragma once

#include <functional>
#include <memory>

#include "platform/foundation/Object.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/View.h"
#include "uikit/CircleIndicatorView.h"
#include "uikit/PullRefreshState.h"

class PullUpView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<PullUpView> create() { return make<PullUpView>(); }
    static constexpr double kHeight = 64;
    static constexpr double kInsetAnimationDuration = 0.3;

    using Action = std::function<void(PullUpView&)>;
    // The target is held weakly: once it is gone the action is not called.
    void setLoadingTarget(const std::shared_ptr<ns::Object>& target, Action action);

    PullRefreshState state() const { return state_; }
    void setState(PullRefreshState state);
    // The owner's work is done: the footer closes 0.3 s later.
    void endLoading();
    // Places the footer after the content.
    void adjustContentSize();

    ui::ScrollViewPtr scrollView() const { return scrollView_.lock(); }
    const cg::EdgeInsets& orignalContentInset() const { return orignalContentInset_; }
    const CircleIndicatorViewPtr& circleIndicatorView() const { return circleIndicatorView_; }
    const ui::LabelPtr& statusLB() const { return statusLB_; }

    void initWithFrame(const cg::Rect& frame) override;
    void willMoveToSuperview(const ui::ViewPtr& superview) override;
    void layoutSubviews() override;

private:
    void contentOffsetChanged(const cg::Point& offset);
    // How far the content reaches below the visible area (negative when it
    // ends above the bottom).
    double beyond() const;

    CircleIndicatorViewPtr circleIndicatorView_;
    ui::LabelPtr statusLB_;
    std::weak_ptr<ui::ScrollView> scrollView_;
    cg::EdgeInsets orignalContentInset_;
    std::weak_ptr<ns::Object> loadingTarget_;
    Action loadingAction_;
    PullRefreshState state_ = PullRefreshState::Pulling;
    std::shared_ptr<void> offsetObservation_;
    std::shared_ptr<void> sizeObservation_;
    ns::ScopedTimer endTimer_;
};

using PullUpViewPtr = std::shared_ptr<PullUpView>;
