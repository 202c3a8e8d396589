#include "uikit/PopoverView.h"

#include <algorithm>

#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/StringDrawing.h"
#include "platform/ui/Application.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Screen.h"
#include "platform/ui/TapGestureRecognizer.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/Window.h"

namespace {

constexpr const char* kFontName = "HelveticaNeue";
constexpr double kTextFontSize = 20;
constexpr double kTitleFontSize = 22;
// A text wraps within the screen width less this, up to this height.
constexpr double kTextWidthInset = 20;
constexpr double kTextMaxHeight = 1000;
constexpr double kDividerHeight = 0.5;
constexpr double kSeparatorHeight = 0.5;
constexpr double kMarkDropBelowMiddle = 20;

constexpr double kPopOutDuration = 0.2;
constexpr double kPopOutScale = 1.05;
constexpr double kSettleDuration = 0.08;
constexpr double kDismissDuration = 0.3;
constexpr double kShrunkScale = 0.1;
constexpr double kDismissAlpha = 0.1;
constexpr double kItemsFadeDuration = 0.2;
constexpr double kSpinnerFadeDuration = 0.1;
constexpr double kImageGrowDelay = 0.2;
constexpr double kImageGrowDuration = 0.2;
constexpr double kMarkFadeDuration = 0.1;
constexpr double kMarkGrowDelay = 0.1;
constexpr double kMarkGrowDuration = 0.1;

ui::Color textColor() { return ui::Color::rgba(0.329, 0.341, 0.353, 1); }
ui::Color dividerColor() { return ui::Color::rgba(0.329, 0.341, 0.353, 0.15); }
ui::Color titleSeparatorColor() { return ui::Color::rgba(0.741, 0.741, 0.741, 0.5); }

ui::Font popoverFont(double size) {
    auto font = ui::Font::fontWithName(kFontName, size);
    return font ? *font : ui::Font::systemFontOfSize(size);
}

cg::ColorPtr cgColor(const ui::Color& c) { return cg::Color::createRGB(c.red(), c.green(), c.blue(), c.alpha()); }

cg::GradientPtr verticalGradient(double topWhite, double bottomWhite, double alpha) {
    return cg::Gradient::createWithColors(cg::ColorSpace::createDeviceRGB(),
                                          {cg::Color::createGray(topWhite, alpha), cg::Color::createGray(bottomWhite, alpha)});
}

std::shared_ptr<ui::Label> itemLabel(const std::string& text, const ui::Font& font) {
    auto label = ui::Label::create();
    label->setText(text);
    label->setFont(font);
    label->setTextColor(textColor());
    label->setBackgroundColor(ui::Color::clearColor());
    label->setTextAlignment(ui::TextAlignment::Center);
    return label;
}

// The view the popover covers: the first subview of the key window (or of
// the first window when none is key).
ui::ViewPtr topView() {
    auto app = ui::Application::sharedApplication();
    auto window = app->keyWindow();
    if (!window) {
        auto windows = app->windows();
        if (!windows.empty()) window = windows.front();
    }
    if (!window || window->subviews().empty()) return nullptr;
    return window->subviews().front();
}

}  // namespace

// ---- making and showing ----

std::shared_ptr<PopoverView> PopoverView::showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                             const std::string& text, const Delegate& delegate) {
    auto popover = make<PopoverView>();
    popover->showAtPoint(point, view, text);
    popover->setDelegate(delegate);
    return popover;
}

std::shared_ptr<PopoverView> PopoverView::showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                             const std::string& title, const std::string& text,
                                                             const Delegate& delegate) {
    auto popover = make<PopoverView>();
    popover->showAtPoint(point, view, title, text);
    popover->setDelegate(delegate);
    return popover;
}

std::shared_ptr<PopoverView> PopoverView::showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                             const ViewArray& views, const Delegate& delegate) {
    auto popover = make<PopoverView>();
    popover->showAtPoint(point, view, views);
    popover->setDelegate(delegate);
    return popover;
}

std::shared_ptr<PopoverView> PopoverView::showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                             const std::string& title, const ViewArray& views,
                                                             const Delegate& delegate) {
    auto popover = make<PopoverView>();
    popover->showAtPoint(point, view, title, views);
    popover->setDelegate(delegate);
    return popover;
}

std::shared_ptr<PopoverView> PopoverView::showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                             const StringArray& strings, const Delegate& delegate) {
    auto popover = make<PopoverView>();
    popover->showAtPoint(point, view, strings);
    popover->setDelegate(delegate);
    return popover;
}

std::shared_ptr<PopoverView> PopoverView::showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                             const std::string& title, const StringArray& strings,
                                                             const Delegate& delegate) {
    auto popover = make<PopoverView>();
    popover->showAtPoint(point, view, title, strings);
    popover->setDelegate(delegate);
    return popover;
}

std::shared_ptr<PopoverView> PopoverView::showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                             const std::string& title, const ui::ViewPtr& contentView,
                                                             const Delegate& delegate) {
    auto popover = make<PopoverView>();
    popover->showAtPoint(point, view, title, contentView);
    popover->setDelegate(delegate);
    return popover;
}

std::shared_ptr<PopoverView> PopoverView::showPopoverAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                                             const ui::ViewPtr& contentView, const Delegate& delegate) {
    auto popover = make<PopoverView>();
    popover->showAtPoint(point, view, contentView);
    popover->setDelegate(delegate);
    return popover;
}

void PopoverView::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
    showDividerRects_ = true;
}

void PopoverView::showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const std::string& text) {
    showTextAtPoint(point, view, std::nullopt, text);
}

void PopoverView::showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const std::string& title,
                              const std::string& text) {
    showTextAtPoint(point, view, title, text);
}

void PopoverView::showTextAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                  const std::optional<std::string>& title, const std::string& text) {
    const ui::Font font = popoverFont(kTextFontSize);
    auto label = itemLabel(text, font);
    label->setUserInteractionEnabled(false);
    label->setNumberOfLines(0);
    label->setLineBreakMode(ui::LineBreakMode::WordWrapping);
    const double width = ui::Screen::mainScreen()->bounds().size.width - kTextWidthInset;
    const cg::Size size = ct::sizeWithFont(text, font.ctFont(), {width, kTextMaxHeight}, ct::LineBreakMode::WordWrapping);
    label->setFrame(cg::RectMake(0, 0, size.width, size.height));
    showItemsAtPoint(point, view, title, {label});
}

void PopoverView::showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const StringArray& strings) {
    showStringsAtPoint(point, view, std::nullopt, strings);
}

void PopoverView::showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const std::string& title,
                              const StringArray& strings) {
    showStringsAtPoint(point, view, title, strings);
}

void PopoverView::showStringsAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                     const std::optional<std::string>& title, const StringArray& strings) {
    const ui::Font font = popoverFont(kTextFontSize);
    ViewArray labels;
    for (const auto& string : strings) {
        auto label = itemLabel(string, font);
        label->layer()->setCornerRadius(kItemCornerRadius);
        label->sizeToFit();
        labels.push_back(label);
    }
    showItemsAtPoint(point, view, title, labels);
}

void PopoverView::showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const ViewArray& views) {
    showItemsAtPoint(point, view, std::nullopt, views);
}

void PopoverView::showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const std::string& title,
                              const ViewArray& views) {
    showItemsAtPoint(point, view, title, views);
}

void PopoverView::showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const std::string& title,
                              const ui::ViewPtr& contentView) {
    showItemsAtPoint(point, view, title, {contentView});
}

void PopoverView::showItemsAtPoint(const cg::Point& point, const ui::ViewPtr& view,
                                   const std::optional<std::string>& title, const ViewArray& views) {
    auto container = ui::View::create();
    std::shared_ptr<ui::Label> titleLabel;
    double y = 0, widest = 0;
    if (title) {
        titleLabel = itemLabel(*title, popoverFont(kTitleFontSize));
        titleLabel->sizeToFit();
        const double height = titleLabel->frame().size.height;
        y = height + (height > 0 ? kItemSpacing : 0) + kItemSpacing;
        // The box is as wide as its title too, or the title would stick out of it.
        widest = titleLabel->frame().size.width;
    }

    for (std::size_t i = 0; i < views.size(); ++i) {
        const auto& item = views[i];
        if (!item) continue;
        cg::Rect frame = item->frame();
        frame.origin = {0, y};
        item->setFrame(frame);
        y += frame.size.height + (i + 1 < views.size() ? kItemSpacing : 0);
        widest = std::max(widest, frame.size.width);
        container->addSubview(item);
    }

    dividerRects_.clear();
    for (std::size_t i = 0; i < views.size(); ++i) {
        const auto& item = views[i];
        if (!item) continue;
        cg::Rect frame = item->frame();
        if (std::dynamic_pointer_cast<ui::Label>(item)) frame.size.width = widest;
        if (title) frame.origin.x = (widest - frame.size.width) / 2;
        item->setFrame(frame);
        if (i + 1 < views.size())
            dividerRects_.push_back(cg::RectMake(frame.origin.x, cg::RectGetMaxY(frame) + kItemSpacing / 2,
                                                 frame.size.width, kDividerHeight));
    }

    if (titleLabel) {
        cg::Rect frame = titleLabel->frame();
        frame.origin = {(widest - frame.size.width) / 2, 0};
        titleLabel->setFrame(frame);
        if (frame.size.height > 0) titleView_ = titleLabel;
        container->addSubview(titleLabel);
    }
    container->setFrame(cg::RectMake(0, 0, widest, y));
    subviewsArray_.clear();
    for (const auto& item : views)
        if (item) subviewsArray_.push_back(item);
    showAtPoint(point, view, container);
}

void PopoverView::showAtPoint(const cg::Point& point, const ui::ViewPtr& view, const ui::ViewPtr& contentView) {
    auto top = topView();
    // Nothing to point at or nowhere to show: the popover stays off screen.
    if (!top || !contentView) return;
    contentView_ = contentView;
    contentView_->setClipsToBounds(false);

    const cg::Rect area = top->bounds();
    arrowPoint_ = view ? view->convertPointToView(point, top) : point;
    arrowPoint_.x = std::clamp(arrowPoint_.x, kArrowEdgeLimit, std::max(kArrowEdgeLimit, area.size.width - kArrowEdgeLimit));

    const cg::Size content = contentView_->frame().size;
    cg::Rect box = cg::RectMake(0, 0, content.width + 2 * kBoxMargin, content.height + 2 * kBoxMargin);
    box.origin.x = arrowPoint_.x - box.size.width / 2;
    if (box.origin.x < cg::RectGetMinX(area) + kScreenMargin)
        box.origin.x = cg::RectGetMinX(area) + kScreenMargin;
    else if (cg::RectGetMaxX(box) > cg::RectGetMaxX(area) - kScreenMargin)
        box.origin.x = cg::RectGetMaxX(area) - kScreenMargin - box.size.width;

    // Above the tip when there is room for content, margins and arrow.
    above_ = !(cg::RectGetMinY(area) > arrowPoint_.y - content.height - 2 * kBoxMargin - kArrowHeight);
    box.origin.y = above_ ? arrowPoint_.y - kArrowHeight - box.size.height : arrowPoint_.y + kArrowHeight;
    boxFrame_ = box;

    contentView_->setFrame(cg::RectMake(box.origin.x + kBoxMargin, box.origin.y + kBoxMargin, content.width,
                                        content.height));
    contentView_->setBackgroundColor(ui::Color::clearColor());
    addSubview(contentView_);

    // The popover grows out of its tip.
    if (area.size.width > 0 && area.size.height > 0)
        layer()->setAnchorPoint({arrowPoint_.x / area.size.width, arrowPoint_.y / area.size.height});
    setFrame(area);
    setNeedsDisplay();
    top->addSubview(self<PopoverView>());

    auto tap = ui::TapGestureRecognizer::create();
    tap->cancelsTouchesInView = false;
    tap->addTarget(self<PopoverView>(), &PopoverView::tapped, "tapped:");
    addGestureRecognizer(tap);

    setAlpha(0);
    setTransform(cg::AffineTransformMakeScale(kShrunkScale, kShrunkScale));
    std::weak_ptr<PopoverView> weak = self<PopoverView>();
    ui::ViewAnimation::animate(
        kPopOutDuration,
        [weak] {
            if (auto popover = weak.lock()) {
                popover->setAlpha(1);
                popover->setTransform(cg::AffineTransformMakeScale(kPopOutScale, kPopOutScale));
            }
        },
        [weak](bool) {
            auto popover = weak.lock();
            if (!popover) return;
            ui::ViewAnimation::animate(kSettleDuration, [weak] {
                if (auto p = weak.lock()) p->setTransform(cg::AffineTransformIdentity);
            });
        });
}

// ---- touches and closing ----

void PopoverView::tapped(ui::GestureRecognizer& recognizer) {
    if (!contentView_) return;
    const cg::Point point = recognizer.locationInView(contentView_);
    for (std::size_t i = 0; i < subviewsArray_.size(); ++i) {
        const auto& item = subviewsArray_[i];
        if (!cg::RectContainsPoint(item->frame(), point)) continue;
        if (auto label = std::dynamic_pointer_cast<ui::Label>(item)) {
            label->setBackgroundColor(textColor());
            label->setTextColor(ui::Color::whiteColor());
        }
        if (auto d = delegate()) d->popoverViewDidSelectItemAtIndex(*this, i);
        return;
    }
    if (!cg::RectContainsPoint(contentView_->bounds(), point)) dismiss();
}

void PopoverView::dismiss() {
    auto keep = self<PopoverView>();
    ui::ViewAnimation::animate(
        kDismissDuration,
        [keep] {
            keep->setAlpha(kDismissAlpha);
            keep->setTransform(cg::AffineTransformMakeScale(kShrunkScale, kShrunkScale));
        },
        [keep](bool) {
            keep->removeFromSuperview();
            if (auto d = keep->delegate()) d->popoverViewDidDismiss(*keep);
        });
}

// ---- states ----

void PopoverView::setTitleText(const std::string& text) {
    auto label = std::dynamic_pointer_cast<ui::Label>(titleView_);
    if (!label) return;
    label->setText(text);
    // The title was sized to its first text; a longer message would be cut
    // short, so it takes the width it needs, as far as the box allows.
    const auto container = label->superview();
    const double available = container ? container->bounds().size.width : label->frame().size.width;
    const double width = std::min(available, label->sizeThatFits({0, 0}).width);
    cg::Rect frame = label->frame();
    frame.origin.x = (available - width) / 2;
    frame.size.width = width;
    label->setFrame(frame);
}

void PopoverView::fadeOutItems(double duration) {
    if (subviewsArray_.empty()) return;
    auto items = subviewsArray_;
    ui::ViewAnimation::animate(duration, [items] {
        for (const auto& item : items) item->setAlpha(0);
    });
    showDividerRects_ = false;
    setNeedsDisplay();
}

void PopoverView::showActivityIndicatorWithMessage(const std::string& message) {
    setTitleText(message);
    fadeOutItems(kItemsFadeDuration);
    if (activityIndicator_) activityIndicator_->removeFromSuperview();
    if (!contentView_) return;
    activityIndicator_ = ui::ActivityIndicatorView::createWithStyle(ui::ActivityIndicatorViewStyle::Gray);
    const cg::Rect content = contentView_->bounds();
    activityIndicator_->setFrame(cg::RectMake(cg::RectGetMidX(content) - kSpinnerSize / 2,
                                              cg::RectGetMidY(content) + kMarkDropBelowMiddle - kSpinnerSize / 2,
                                              kSpinnerSize, kSpinnerSize));
    contentView_->addSubview(activityIndicator_);
    activityIndicator_->startAnimating();
}

void PopoverView::hideActivityIndicatorWithMessage(const std::string& message) {
    setTitleText(message);
    auto spinner = activityIndicator_;
    if (!spinner) return;
    spinner->stopAnimating();
    ui::ViewAnimation::animate(
        kSpinnerFadeDuration, [spinner] { spinner->setAlpha(0); }, [spinner](bool) { spinner->removeFromSuperview(); });
}

void PopoverView::showImage(const ui::ImagePtr& image, const std::string& message) {
    if (!contentView_) return;
    auto imageView = ui::ImageView::createWithImage(image);
    const cg::Rect content = contentView_->bounds();
    imageView->setCenter({cg::RectGetMidX(content), cg::RectGetMidY(content) + kMarkDropBelowMiddle});
    imageView->setAlpha(0);
    imageView->setTransform(cg::AffineTransformMakeScale(kShrunkScale, kShrunkScale));
    contentView_->addSubview(imageView);
    fadeOutItems(kItemsFadeDuration);
    if (!message.empty()) setTitleText(message);
    ui::ViewAnimation::animate(kImageGrowDuration, kImageGrowDelay, ui::ViewAnimationOptionCurveEaseOut, [imageView] {
        imageView->setAlpha(1);
        imageView->setTransform(cg::AffineTransformIdentity);
    });
}

void PopoverView::showMark(const ui::ImagePtr& image, cg::Size size, double fade) {
    if (!contentView_) return;
    auto mark = ui::ImageView::createWithImage(image);
    const cg::Rect content = contentView_->bounds();
    mark->setFrame(cg::RectMake(cg::RectGetMidX(content) - size.width / 2,
                                cg::RectGetMidY(content) + kMarkDropBelowMiddle - size.height / 2, size.width,
                                size.height));
    mark->setAlpha(0);
    mark->setTransform(cg::AffineTransformMakeScale(kShrunkScale, kShrunkScale));
    contentView_->addSubview(mark);
    fadeOutItems(fade);
    ui::ViewAnimation::animate(kMarkGrowDuration, kMarkGrowDelay, ui::ViewAnimationOptionCurveEaseOut, [mark] {
        mark->setAlpha(1);
        mark->setTransform(cg::AffineTransformIdentity);
    });
}

void PopoverView::showSuccess() { showMark(ui::Image::imageNamed("success"), {kMarkSize, kMarkSize}, kMarkFadeDuration); }

void PopoverView::showError() { showMark(ui::Image::imageNamed("error"), {kMarkSize, kMarkSize}, kMarkFadeDuration); }

// ---- drawing ----

namespace {

// The box outline with the arrow on its top or bottom edge; the title band
// is the same outline cut off at the band's bottom.
void addBubbleOutline(cg::Context& c, const cg::Rect& box, const cg::Point& tip, bool arrowOnTop,
                      bool arrowAtBottom, double cutAtY) {
    const double r = PopoverView::kCornerRadius, k = PopoverView::kCornerCurveInset;
    const double w = PopoverView::kArrowHalfWidth, a = PopoverView::kArrowCurveInset;
    const double minX = cg::RectGetMinX(box), maxX = cg::RectGetMaxX(box);
    const double minY = cg::RectGetMinY(box), maxY = cg::RectGetMaxY(box);
    const bool band = cutAtY < maxY;

    c.moveToPoint(minX, band ? cutAtY : minY + r);
    if (band) c.addLineToPoint(minX, minY + r);
    c.addCurveToPoint(minX, minY + r - k, minX + r - k, minY, minX + r, minY);
    if (arrowOnTop) {
        c.addLineToPoint(tip.x - w, minY);
        c.addQuadCurveToPoint(tip.x - w + a, minY, tip.x, tip.y);
        c.addQuadCurveToPoint(tip.x + w - a, minY, tip.x + w, minY);
    }
    c.addLineToPoint(maxX - r, minY);
    c.addCurveToPoint(maxX - r + k, minY, maxX, minY + r - k, maxX, minY + r);
    if (band) {
        c.addLineToPoint(maxX, cutAtY);
        c.closePath();
        return;
    }
    c.addLineToPoint(maxX, maxY - r);
    c.addCurveToPoint(maxX, maxY - r + k, maxX - r + k, maxY, maxX - r, maxY);
    if (arrowAtBottom) {
        c.addLineToPoint(tip.x + w, maxY);
        c.addQuadCurveToPoint(tip.x + w - a, maxY, tip.x, tip.y);
        c.addQuadCurveToPoint(tip.x - w + a, maxY, tip.x - w, maxY);
    }
    c.addLineToPoint(minX + r, maxY);
    c.addCurveToPoint(minX + r - k, maxY, minX, maxY - r + k, minX, maxY - r);
    c.closePath();
}

}  // namespace

void PopoverView::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context || !contentView_) return;
    cg::Context& c = *context;
    const cg::Rect box = boxFrame_;
    const bool arrowOnTop = !above_, arrowAtBottom = above_;
    const double midX = cg::RectGetMidX(box);

    c.saveGState();
    c.setShadowWithColor({0, 3}, 10, cg::Color::createGray(0, 0.15));
    c.beginTransparencyLayer();
    c.beginPath();
    addBubbleOutline(c, box, arrowPoint_, arrowOnTop, arrowAtBottom, cg::RectGetMaxY(box));
    c.clip();
    c.drawLinearGradient(verticalGradient(1, 0.98, 0.95),
                         {midX, cg::RectGetMinY(box) - (arrowOnTop ? kArrowHeight : 0)},
                         {midX, cg::RectGetMaxY(box) + (arrowAtBottom ? kArrowHeight : 0)}, 0);
    c.endTransparencyLayer();
    c.restoreGState();

    if (titleView_) {
        const double bandBottom = cg::RectGetMinY(box) + titleView_->frame().size.height + 2 * kBoxMargin;
        c.saveGState();
        c.beginPath();
        addBubbleOutline(c, box, arrowPoint_, arrowOnTop, false, bandBottom);
        c.clip();
        c.drawLinearGradient(verticalGradient(1, 0.93, 0.95),
                             {midX, cg::RectGetMinY(box) - (arrowOnTop ? kArrowHeight : 0)}, {midX, bandBottom}, 0);
        c.restoreGState();
        c.setFillColorWithColor(cgColor(titleSeparatorColor()));
        c.fillRect(cg::RectMake(box.origin.x, bandBottom, box.size.width, kSeparatorHeight));
    }

    if (showDividerRects_) {
        const cg::Point offset = contentView_->frame().origin;
        c.setFillColorWithColor(cgColor(dividerColor()));
        for (const auto& divider : dividerRects_) c.fillRect(cg::RectOffset(divider, offset.x, offset.y));
    }
}
