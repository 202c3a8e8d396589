// A speech-bubble popover pointing at a spot of a view: a white rounded box
// with a soft shadow and a small curved arrow, holding a text, a list of
// tappable strings, a list of views or any content view, optionally under a
// title. It pops out of its arrow, reports the tapped item (and stays), and
// closes on a tap outside its content. Its items can give way to a spinner,
// a success or error mark or any image, with a new title text.
//
// The popover covers the whole top view of the key window while shown; the
// view hierarchy keeps it alive until it has closed.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/GestureRecognizer.h"
#include "platform/ui/Image.h"
#include "platform/ui/View.h"
#include "uikit/PopoverViewDelegate.h"

class PopoverView : public ui::View {
public:
    using ui::View::View;
    using Delegate = std::shared_ptr<PopoverViewDelegate>;
    using ViewArray = std::vector<ui::ViewPtr>;
    using StringArray = std::vector<std::string>;

    // Geometry and look.
    static constexpr double kBoxMargin = 5;         // inside the box, each side
    static constexpr double kItemSpacing = 5;
    static constexpr double kScreenMargin = 5;      // between box and screen edge
    static constexpr double kArrowHeight = 8;
    static constexpr double kArrowHalfWidth = 8;
    static constexpr double kArrowCurveInset = 6;
    static constexpr double kCornerRadius = 4;
    static constexpr double kCornerCurveInset = 1.8;
    static constexpr double kArrowEdgeLimit = 22;   // the tip stays this far from either edge
    static constexpr double kItemCornerRadius = 4;
    static constexpr double kMarkSize = 40;
    static constexpr double kSpinnerSize = 20;

    // Make, show and return a popover; the point is in the view's coordinates.
    static std::shared_ptr<PopoverView> showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                           const std::string& text, const Delegate& delegate);
    static std::shared_ptr<PopoverView> showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                           const std::string& title, const std::string& text,
                                                           const Delegate& delegate);
    static std::shared_ptr<PopoverView> showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                           const ViewArray& views, const Delegate& delegate);
    static std::shared_ptr<PopoverView> showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                           const std::string& title, const ViewArray& views,
                                                           const Delegate& delegate);
    static std::shared_ptr<PopoverView> showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                           const StringArray& strings, const Delegate& delegate);
    static std::shared_ptr<PopoverView> showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                           const std::string& title, const StringArray& strings,
                                                           const Delegate& delegate);
    static std::shared_ptr<PopoverView> showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                           const std::string& title, const ui::ViewPtr& contentView,
                                                           const Delegate& delegate);
    static std::shared_ptr<PopoverView> showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                           const ui::ViewPtr& contentView, const Delegate& delegate);

    void initWithFrame(const cg::Rect& frame) override;

    // The same, on a popover made by the caller.
    void showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const std::string& text);
    void showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const std::string& title,
                     const std::string& text);
    void showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const StringArray& strings);
    void showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const std::string& title,
                     const StringArray& strings);
    void showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const ViewArray& views);
    void showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const std::string& title,
                     const ViewArray& views);
    void showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const std::string& title,
                     const ui::ViewPtr& contentView);
    void showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const ui::ViewPtr& contentView);

    // States: the items give way to a spinner, an image or a mark.
    void showActivityIndicatorWithMessage(const std::string& message);
    void hideActivityIndicatorWithMessage(const std::string& message);
    // An empty message leaves the title as it is.
    void showImage(const ui::ImagePtr& image, const std::string& message);
    void showSuccess();
    void showError();

    // Closes the popover (animated); the delegate hears of it once it is gone.
    void dismiss();
    void tapped(ui::GestureRecognizer& recognizer);
    void drawRect(const cg::Rect& rect) override;

    std::shared_ptr<PopoverViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const Delegate& delegate) { delegate_ = delegate; }

    cg::Rect boxFrame() const { return boxFrame_; }
    cg::Point arrowPoint() const { return arrowPoint_; }
    // The box lies above the tip (arrow at its bottom).
    bool above() const { return above_; }
    const ViewArray& subviewsArray() const { return subviewsArray_; }
    const std::vector<cg::Rect>& dividerRects() const { return dividerRects_; }
    bool showDividerRects() const { return showDividerRects_; }
    const ui::ViewPtr& contentView() const { return contentView_; }
    const ui::ViewPtr& titleView() const { return titleView_; }
    const std::shared_ptr<ui::ActivityIndicatorView>& activityIndicator() const { return activityIndicator_; }

private:
    void showItemsAtPoint(const cg::Point& point, const ui::ViewPtr& view, const std::optional<std::string>& title,
                          const ViewArray& views);
    void showTextAtPoint(const cg::Point& point, const ui::ViewPtr& view, const std::optional<std::string>& title,
                         const std::string& text);
    void showStringsAtPoint(const cg::Point& point, const ui::ViewPtr& view, const std::optional<std::string>& title,
                            const StringArray& strings);
    void fadeOutItems(double duration);
    void setTitleText(const std::string& text);
    // Shows a mark centred 20 points below the middle of the content,
    // growing in after the items faded.
    void showMark(const ui::ImagePtr& image, cg::Size size, double fade);

    cg::Rect boxFrame_;
    cg::Point arrowPoint_;
    bool above_ = false;
    std::weak_ptr<PopoverViewDelegate> delegate_;
    ViewArray subviewsArray_;
    std::vector<cg::Rect> dividerRects_;
    ui::ViewPtr contentView_;
    ui::ViewPtr titleView_;
    std::shared_ptr<ui::ActivityIndicatorView> activityIndicator_;
    bool showDividerRects_ = true;
};

using PopoverViewPtr = std::shared_ptr<PopoverView>;
