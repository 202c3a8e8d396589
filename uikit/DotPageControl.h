// A page indicator: a row of dots, one per page, the current page's dot
// drawn differently; each dot may be an image instead (one for all pages
// or one per page). A tap left or right of the row's centre moves one page
// back or forward and reports a value change. It draws itself and has no
// subviews.
#pragma once

#include <map>
#include <memory>

#include "platform/ui/Control.h"
#include "platform/ui/Image.h"

namespace ui {
class ScrollView;
}

enum DotPageControlAlignment : unsigned {
    DotPageControlAlignmentLeft = 1,
    DotPageControlAlignmentCenter = 2,
    DotPageControlAlignmentRight = 3,
};

enum DotPageControlVerticalAlignment : unsigned {
    DotPageControlVerticalAlignmentTop = 1,
    DotPageControlVerticalAlignmentMiddle = 2,
    DotPageControlVerticalAlignmentBottom = 3,
};

class DotPageControl : public ui::Control {
public:
    using Control::Control;
    static std::shared_ptr<DotPageControl> create(const cg::Rect& frame = {}) { return make<DotPageControl>(frame); }

    // The least height sizeToFit gives, so that the row stays easy to tap.
    static constexpr double kMinimumHeight = 36;

    int numberOfPages() const { return numberOfPages_; }
    // Negative counts are stored as 0.
    void setNumberOfPages(int pages);
    int currentPage() const { return currentPage_; }
    void setCurrentPage(int page) { setCurrentPage(page, false, false); }
    // Ignored outside 0 ..< numberOfPages. With canDefer and
    // defersCurrentPageDisplay the highlighted dot waits for
    // updateCurrentPageDisplay.
    void setCurrentPage(int page, bool sendEvent, bool canDefer);
    void updateCurrentPageDisplay();
    // The page drawn as current.
    int displayedPage() const { return displayedPage_; }

    double indicatorDiameter() const { return indicatorDiameter_; }
    void setIndicatorDiameter(double diameter);
    double indicatorMargin() const { return indicatorMargin_; }
    void setIndicatorMargin(double margin);
    unsigned alignment() const { return alignment_; }
    void setAlignment(unsigned alignment) { alignment_ = alignment; }
    unsigned verticalAlignment() const { return verticalAlignment_; }
    void setVerticalAlignment(unsigned alignment) { verticalAlignment_ = alignment; }

    const ui::ImagePtr& pageIndicatorImage() const { return pageIndicatorImage_; }
    void setPageIndicatorImage(const ui::ImagePtr& image);
    const ui::ImagePtr& currentPageIndicatorImage() const { return currentPageIndicatorImage_; }
    void setCurrentPageIndicatorImage(const ui::ImagePtr& image);
    // Per-page images (nil removes); pages outside the range are ignored.
    void setImage(const ui::ImagePtr& image, int page);
    void setCurrentImage(const ui::ImagePtr& image, int page);
    ui::ImagePtr imageForPage(int page) const;
    ui::ImagePtr currentImageForPage(int page) const;

    // Nil: white at alpha 0.3 for the other dots, white for the current one.
    const ui::OptionalColor& pageIndicatorTintColor() const { return pageIndicatorTintColor_; }
    void setPageIndicatorTintColor(const ui::OptionalColor& color) { pageIndicatorTintColor_ = color; }
    const ui::OptionalColor& currentPageIndicatorTintColor() const { return currentPageIndicatorTintColor_; }
    void setCurrentPageIndicatorTintColor(const ui::OptionalColor& color) { currentPageIndicatorTintColor_ = color; }
    bool hidesForSinglePage() const { return hidesForSinglePage_; }
    void setHidesForSinglePage(bool hides) { hidesForSinglePage_ = hides; }
    bool defersCurrentPageDisplay() const { return defersCurrentPageDisplay_; }
    void setDefersCurrentPageDisplay(bool defers) { defersCurrentPageDisplay_ = defers; }

    // The row of n dots with their margins.
    cg::Size sizeForNumberOfPages(int pages) const;
    // Where the page's dot sits; the zero rectangle outside the range.
    cg::Rect rectForPageIndicator(int page) const;
    // The page the scroll view shows; a scroll view without width shows none.
    void updatePageNumberForScrollView(const ui::ScrollView& scrollView);

    void setFrame(const cg::Rect& frame) override;
    // The row's width, at least kMinimumHeight high (sizeToFit keeps the origin).
    cg::Size sizeThatFits(const cg::Size& size) const override;
    void initWithFrame(const cg::Rect& frame) override;
    void drawRect(const cg::Rect& rect) override;
    void touchesEnded(const ui::TouchSet& touches, const ui::Event* event) override;

private:
    void measure();
    double leftOffset() const;
    double topOffset() const;
    bool isInRange(int page) const { return page >= 0 && page < numberOfPages_; }

    int numberOfPages_ = 0;
    int currentPage_ = 0;
    int displayedPage_ = 0;
    double indicatorDiameter_ = 6;
    double indicatorMargin_ = 10;
    double measuredWidth_ = 6;
    double measuredHeight_ = 6;
    unsigned alignment_ = DotPageControlAlignmentCenter;
    unsigned verticalAlignment_ = DotPageControlVerticalAlignmentMiddle;
    ui::ImagePtr pageIndicatorImage_;
    ui::ImagePtr currentPageIndicatorImage_;
    std::map<int, ui::ImagePtr> pageImages_;
    std::map<int, ui::ImagePtr> currentPageImages_;
    ui::OptionalColor pageIndicatorTintColor_;
    ui::OptionalColor currentPageIndicatorTintColor_;
    bool hidesForSinglePage_ = false;
    bool defersCurrentPageDisplay_ = false;
};

using DotPageControlPtr = std::shared_ptr<DotPageControl>;
