#include "uikit/DotPageControl.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/Touch.h"

namespace {

constexpr double kDefaultDiameter = 6;
constexpr double kDefaultMargin = 10;
constexpr double kOtherDotAlpha = 0.3;

void setFill(cg::Context& context, const ui::Color& c) { context.setRGBFillColor(c.red(), c.green(), c.blue(), c.alpha()); }

}  // namespace

void DotPageControl::initWithFrame(const cg::Rect& frame) {
    Control::initWithFrame(frame);
    numberOfPages_ = 0;
    indicatorDiameter_ = kDefaultDiameter;
    indicatorMargin_ = kDefaultMargin;
    measuredWidth_ = measuredHeight_ = kDefaultDiameter;
    alignment_ = DotPageControlAlignmentCenter;
    verticalAlignment_ = DotPageControlVerticalAlignmentMiddle;
    hidesForSinglePage_ = false;
    defersCurrentPageDisplay_ = false;
    setBackgroundColor(ui::Color::clearColor());
}

// ---- pages ----

void DotPageControl::setNumberOfPages(int pages) {
    setProperty(numberOfPages_, std::max(pages, 0), ui::PropertyEffectsDisplay);
}

void DotPageControl::setCurrentPage(int page, bool sendEvent, bool canDefer) {
    if (!isInRange(page)) return;
    currentPage_ = page;
    if (!(defersCurrentPageDisplay_ && canDefer)) {
        displayedPage_ = currentPage_;
        setNeedsDisplay();
    }
    if (sendEvent) sendActionsForControlEvents(ui::ControlEventValueChanged);
}

void DotPageControl::updateCurrentPageDisplay() {
    displayedPage_ = currentPage_;
    setNeedsDisplay();
}

void DotPageControl::updatePageNumberForScrollView(const ui::ScrollView& scrollView) {
    double width = scrollView.frame().size.width;
    // A scroll view without width (not laid out yet) shows no page.
    if (!(width > 0)) return;
    double page = std::floor(scrollView.contentOffset().x / width);
    // Only pages that exist become ints.
    if (!(page >= 0 && page < numberOfPages_)) return;
    setCurrentPage(static_cast<int>(page));
}

// ---- measures ----

void DotPageControl::setIndicatorDiameter(double diameter) {
    if (diameter == indicatorDiameter_) return;
    indicatorDiameter_ = diameter;
    measure();
    setNeedsDisplay();
}

void DotPageControl::setIndicatorMargin(double margin) {
    setProperty(indicatorMargin_, margin, ui::PropertyEffectsDisplay);
}

void DotPageControl::setPageIndicatorImage(const ui::ImagePtr& image) {
    if (image == pageIndicatorImage_) return;
    pageIndicatorImage_ = image;
    measure();
    setNeedsDisplay();
}

void DotPageControl::setCurrentPageIndicatorImage(const ui::ImagePtr& image) {
    if (image == currentPageIndicatorImage_) return;
    currentPageIndicatorImage_ = image;
    measure();
    setNeedsDisplay();
}

void DotPageControl::measure() {
    measuredWidth_ = measuredHeight_ = indicatorDiameter_;
    // The current dot's image wins over the others' when both are set.
    for (const auto& image : {pageIndicatorImage_, currentPageIndicatorImage_}) {
        if (!image) continue;
        measuredWidth_ = std::max(indicatorDiameter_, image->size().width);
        measuredHeight_ = std::max(indicatorDiameter_, image->size().height);
    }
}

void DotPageControl::setImage(const ui::ImagePtr& image, int page) {
    if (!isInRange(page)) return;
    if (image) {
        pageImages_[page] = image;
    } else {
        pageImages_.erase(page);
    }
}

void DotPageControl::setCurrentImage(const ui::ImagePtr& image, int page) {
    if (!isInRange(page)) return;
    if (image) {
        currentPageImages_[page] = image;
    } else {
        currentPageImages_.erase(page);
    }
}

ui::ImagePtr DotPageControl::imageForPage(int page) const {
    if (!isInRange(page)) return nullptr;
    auto it = pageImages_.find(page);
    return it == pageImages_.end() ? nullptr : it->second;
}

ui::ImagePtr DotPageControl::currentImageForPage(int page) const {
    if (!isInRange(page)) return nullptr;
    auto it = currentPageImages_.find(page);
    return it == currentPageImages_.end() ? nullptr : it->second;
}

cg::Size DotPageControl::sizeForNumberOfPages(int pages) const {
    return {pages * measuredWidth_ + std::max(pages - 1, 0) * indicatorMargin_, measuredHeight_};
}

cg::Rect DotPageControl::rectForPageIndicator(int page) const {
    if (!isInRange(page)) return cg::Rect{};
    double x = leftOffset() + sizeForNumberOfPages(page + 1).width - measuredWidth_;
    return cg::RectMake(x, 0, measuredWidth_, measuredWidth_);
}

double DotPageControl::leftOffset() const {
    cg::Rect b = bounds();
    double rowWidth = sizeForNumberOfPages(numberOfPages_).width;
    switch (alignment_) {
        case DotPageControlAlignmentRight: return cg::RectGetMaxX(b) - rowWidth;
        case DotPageControlAlignmentCenter: return cg::RectGetMidX(b) - rowWidth / 2;
        default: return 0;
    }
}

double DotPageControl::topOffset() const {
    cg::Rect b = bounds();
    switch (verticalAlignment_) {
        case DotPageControlVerticalAlignmentBottom:
            return cg::RectGetMaxY(b) - sizeForNumberOfPages(numberOfPages_).height;
        case DotPageControlVerticalAlignmentMiddle: return cg::RectGetMidY(b) - measuredHeight_ / 2;
        default: return 0;
    }
}

cg::Size DotPageControl::sizeThatFits(const cg::Size&) const {
    cg::Size row = sizeForNumberOfPages(numberOfPages_);
    return {row.width, std::max(row.height, kMinimumHeight)};
}

void DotPageControl::setFrame(const cg::Rect& frame) {
    Control::setFrame(frame);
    setNeedsDisplay();
}

// ---- drawing and touches ----

void DotPageControl::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    if (numberOfPages_ <= 1 && hidesForSinglePage_) return;
    double x = leftOffset(), y = topOffset();
    for (int page = 0; page < numberOfPages_; ++page) {
        ui::ImagePtr image;
        if (page == displayedPage_) {
            setFill(*context, currentPageIndicatorTintColor_.value_or(ui::Color::whiteColor()));
            image = currentImageForPage(page);
            if (!image) image = currentPageIndicatorImage_;
        } else {
            setFill(*context, pageIndicatorTintColor_.value_or(ui::Color::white(1, kOtherDotAlpha)));
            image = imageForPage(page);
            if (!image) image = pageIndicatorImage_;
        }
        if (image) {
            context->drawImageTopDown(cg::RectMake(x, y, image->size().width, image->size().height), image->CGImage());
        } else {
            context->fillEllipseInRect(cg::RectMake(x, y, measuredWidth_, measuredHeight_));
        }
        x += measuredWidth_ + indicatorMargin_;
    }
}

void DotPageControl::touchesEnded(const ui::TouchSet& touches, const ui::Event* event) {
    Control::touchesEnded(touches, event);
    if (touches.empty() || !isEnabled()) return;
    double x = touches.front()->locationInView(self<ui::View>()).x;
    double rowCentre = leftOffset() + sizeForNumberOfPages(numberOfPages_).width / 2;
    setCurrentPage(x < rowCentre ? currentPage_ - 1 : currentPage_ + 1, true, true);
}
