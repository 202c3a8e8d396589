// The popup of one visitor on the guest screen: the visitor's indicator
// flies from its place in the field to the middle, twice as large, over a
// patterned background, with the button that puts the visitor out of the
// network and a close button that sends it back to its place.
#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/View.h"
#include "screens/wifi/TAVOVisitorIndicator.h"
#include "widgets/TAVOGradientBgView.h"

class TAVOVisitorAddBlackListView;

class TAVOVisitorAddBlackListViewDelegate {
public:
    virtual ~TAVOVisitorAddBlackListViewDelegate() = default;
    // 0: the blacklist button was pressed; 1: the popup closed and the
    // indicator went back to its place.
    virtual void visitorAddBlackListViewAction(TAVOVisitorAddBlackListView& view, int action) = 0;
};

class TAVOVisitorAddBlackListView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TAVOVisitorAddBlackListView> create(const cg::Rect& frame) {
        return make<TAVOVisitorAddBlackListView>(frame);
    }
    static constexpr int kActionAddBlack = 0;
    static constexpr int kActionClosed = 1;
    static constexpr double kShowSeconds = 0.3;
    static constexpr double kCloseButtonSeconds = 0.6;

    void initWithFrame(const cg::Rect& frame) override;

    void setGuestDevice(const std::shared_ptr<TAVORouterJoiningGuestDevice>& device);
    // Shows the popup with the indicator flying in from `indicatorFrame`
    // (in the popup's coordinates).
    void show(bool animated, const cg::Rect& indicatorFrame);
    void showCloseButton(bool animated);
    void doShow();
    void dismiss(bool animated) { dismissRestorePostion(animated, false); }
    void dismissRestorePostion(bool animated, bool restore);
    void doDismiss();

    std::shared_ptr<TAVOVisitorAddBlackListViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOVisitorAddBlackListViewDelegate>& d) { delegate_ = d; }
    const std::shared_ptr<TAVORouterJoiningGuestDevice>& device() const { return device_; }
    const TAVOVisitorIndicatorPtr& indicator() const { return indicator_; }
    const ui::ButtonPtr& addBlackButton() const { return addBlackButton_; }
    const ui::ButtonPtr& closeButton() const { return closeButton_; }
    const std::shared_ptr<TAVOGradientBgView>& bgView() const { return bgView_; }
    const cg::Rect& restoreFrame() const { return restoreFrame_; }

private:
    std::weak_ptr<TAVOVisitorAddBlackListViewDelegate> delegate_;
    std::shared_ptr<TAVOGradientBgView> bgView_;
    TAVOVisitorIndicatorPtr indicator_;
    ui::ButtonPtr addBlackButton_;
    ui::ButtonPtr closeButton_;
    std::shared_ptr<TAVORouterJoiningGuestDevice> device_;
    cg::Rect restoreFrame_{};
    bool enlarged_ = false;
};

using TAVOVisitorAddBlackListViewPtr = std::shared_ptr<TAVOVisitorAddBlackListView>;
